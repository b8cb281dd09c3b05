#include "ui/ShreddingDialog.h"

#include "ui_ShreddingDialog.h"

namespace ui {

namespace {

constexpr int FormulaCount = 3;

} // namespace

ShreddingDialog::ShreddingDialog(const core::TShreddingData& data, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ShreddingDialog>())
{
    m_ui->setupUi(this);
    for (int i = 0; i < FormulaCount; ++i) {
        formulaEdit(i)->setText(data.Formula[i]);
        digitsEdit(i)->setValue(data.Digits[i]);
    }
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ShreddingDialog::~ShreddingDialog() = default;

core::TShreddingData ShreddingDialog::result() const
{
    core::TShreddingData r;
    for (int i = 0; i < FormulaCount; ++i) {
        r.Formula[i] = formulaEdit(i)->text();
        r.Digits[i] = static_cast<std::uint8_t>(digitsEdit(i)->value());
    }
    return r;
}

QLineEdit* ShreddingDialog::formulaEdit(int i) const
{
    QLineEdit* const edits[FormulaCount] = {m_ui->edFormula1, m_ui->edFormula2, m_ui->edFormula3};
    return edits[i];
}

QSpinBox* ShreddingDialog::digitsEdit(int i) const
{
    QSpinBox* const edits[FormulaCount] = {m_ui->edDigits1, m_ui->edDigits2, m_ui->edDigits3};
    return edits[i];
}

} // namespace ui
