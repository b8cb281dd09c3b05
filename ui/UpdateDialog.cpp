#include "ui/UpdateDialog.h"

#include "ui_UpdateDialog.h"

namespace ui {

UpdateDialog::UpdateDialog(const QString& current, const QString& next, const QStringList& notes, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::UpdateDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->btInstall, &QPushButton::clicked, this, &UpdateDialog::accept);
    connect(m_ui->btCancel, &QPushButton::clicked, this, &UpdateDialog::reject);
    m_ui->edCurrentVersion->setText(current);
    m_ui->edNewVersion->setText(next);
    m_ui->meDescription->setPlainText(notes.join(u'\n'));
    m_ui->btInstall->setFocus();
}

UpdateDialog::~UpdateDialog() = default;

} // namespace ui
