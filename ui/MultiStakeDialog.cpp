#include "ui/MultiStakeDialog.h"

#include "ui_MultiStakeDialog.h"

#include <QMessageBox>

namespace ui {

MultiStakeDialog::MultiStakeDialog(int drawNum, int copies, const QString& comment, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MultiStakeDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &MultiStakeDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &MultiStakeDialog::reject);
    showError = [this](const QString& text) { QMessageBox::critical(this, tr("Ошибка"), text); };
    m_ui->edDrawNumber->setValue(std::max(1, drawNum));
    m_ui->edDrawsCount->setValue(std::clamp(copies, 1, 65535));
    m_ui->edComment->setText(comment);
}

MultiStakeDialog::~MultiStakeDialog() = default;

int MultiStakeDialog::drawNum() const
{
    return m_ui->edDrawNumber->value();
}

int MultiStakeDialog::copies() const
{
    return m_ui->edDrawsCount->value();
}

QString MultiStakeDialog::comment() const
{
    return m_ui->edComment->text();
}

void MultiStakeDialog::accept()
{
    if (m_ui->edComment->text().isEmpty()) {
        showError(tr("Необходимо ввести комментарий!"));
        m_ui->edComment->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace ui
