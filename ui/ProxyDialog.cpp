#include "ui/ProxyDialog.h"

#include "ui_ProxyDialog.h"

#include <QButtonGroup>

namespace ui {

ProxyDialog::ProxyDialog(const core::TProxy& proxy, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ProxyDialog>())
{
    m_ui->setupUi(this);
    auto* modes = new QButtonGroup(this);
    modes->addButton(m_ui->rbNoProxy, 0);
    modes->addButton(m_ui->rbAutoProxy, 1);
    modes->addButton(m_ui->rbManualProxy, 2);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &ProxyDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &ProxyDialog::reject);
    connect(modes, &QButtonGroup::idToggled, this, [this](int, bool) { updateFields(); });

    // A stored mode the dialog does not know opens as "no proxy".
    QAbstractButton* current = modes->button(proxy.Mode <= 2 ? proxy.Mode : 0);
    current->setChecked(true);
    m_ui->edServer->setText(proxy.Server);
    m_ui->edPort->setValue(proxy.Port);
    m_ui->edUsername->setText(proxy.Username);
    m_ui->edPassword->setText(proxy.Password);
    updateFields();
}

ProxyDialog::~ProxyDialog() = default;

void ProxyDialog::updateFields()
{
    const bool manual = m_ui->rbManualProxy->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_ui->lblServer), static_cast<QWidget*>(m_ui->edServer),
                       static_cast<QWidget*>(m_ui->lblPort), static_cast<QWidget*>(m_ui->edPort),
                       static_cast<QWidget*>(m_ui->lblUsername), static_cast<QWidget*>(m_ui->edUsername),
                       static_cast<QWidget*>(m_ui->lblPassword), static_cast<QWidget*>(m_ui->edPassword)})
        w->setEnabled(manual);
}

core::TProxy ProxyDialog::result() const
{
    core::TProxy proxy;
    proxy.Mode = m_ui->rbManualProxy->isChecked() ? 2 : m_ui->rbAutoProxy->isChecked() ? 1 : 0;
    proxy.Server = m_ui->edServer->text().trimmed();
    proxy.Port = m_ui->edPort->value();
    proxy.Username = m_ui->edUsername->text();
    proxy.Password = m_ui->edPassword->text();
    return proxy;
}

} // namespace ui
