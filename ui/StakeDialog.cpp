#include "ui/StakeDialog.h"

#include "core/TextForms.h"
#include "ui_StakeDialog.h"

#include <QMessageBox>

namespace ui {

StakeDialog::StakeDialog(const stakes::TStakeRec& rec, int copies, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::StakeDialog>()), m_rec(rec)
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &StakeDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &StakeDialog::reject);
    connect(m_ui->edStakeData, &QLineEdit::textChanged, this, &StakeDialog::showSum);
    showError = [this](const QString& text) { QMessageBox::critical(this, tr("Ошибка"), text); };

    m_ui->edDrawNumber->setValue(std::max(1, rec.DrawNum));
    m_ui->edDrawsCount->setValue(std::clamp(copies, 1, 65535));
    m_ui->edComment->setText(stakes::StakeComment(rec));
    m_ui->edStakeData->setText(rec.Numbers.Count > 0 ? core::ValueSetText(rec.Numbers, QStringLiteral(";"))
                                                     : QString());
    showSum();
    m_ui->edStakeData->setFocus();
}

StakeDialog::~StakeDialog() = default;

int StakeDialog::copies() const
{
    return m_ui->edDrawsCount->value();
}

void StakeDialog::showSum()
{
    m_ui->edStakeSum->setText(QString::number(stakes::StakeTextSum(m_ui->edStakeData->text())));
}

void StakeDialog::accept()
{
    core::TValueSet numbers;
    if (!stakes::ParseStakeNumbers(m_ui->edStakeData->text(), numbers)) {
        showError(tr("Введена некорректная комбинация!"));
        m_ui->edStakeData->setFocus();
        return;
    }
    if (m_ui->edComment->text().isEmpty()) {
        showError(tr("Необходимо ввести комментарий!"));
        m_ui->edComment->setFocus();
        return;
    }
    m_rec.DrawNum = m_ui->edDrawNumber->value();
    m_rec.Numbers = numbers;
    stakes::SetStakeComment(m_rec, m_ui->edComment->text());
    QDialog::accept();
}

} // namespace ui
