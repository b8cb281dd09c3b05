#include "ui/TableDialog.h"

#include "core/GameMath.h"
#include "stakes/StakeRecord.h"
#include "ui_TableDialog.h"

#include <QMessageBox>

#include <algorithm>

namespace ui {

TableDialog::TableDialog(const stakes::TTableRec& rec, const QStringList& comments, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TableDialog>()), m_rec(rec), m_comments(comments),
      m_single(rec.StakeCount == 1)
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &TableDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &TableDialog::reject);
    connect(m_ui->rbUseMyComb, &QRadioButton::toggled, this, &TableDialog::updateEnabled);
    showError = [this](const QString& text) { QMessageBox::critical(this, tr("Ошибка"), text); };

    m_ui->edComment->setText(stakes::TableComment(rec));
    (rec.UseLastDraw == 1 ? m_ui->rbUseLastDraw : m_ui->rbUseMyComb)->setChecked(true);
    m_ui->edStep->setValue(std::clamp(rec.Step, -stakes::TableStepMax, stakes::TableStepMax));
    if (m_single) {
        QStringList numbers;
        for (std::uint8_t n : rec.StartComb.v)
            numbers << QString::number(n);
        m_ui->edCombStart->setText(numbers.join(u';'));
    } else {
        m_ui->edCombStart->setText(tr("{...Выделенные комбинации...}"));
    }
    updateEnabled();
    m_ui->edComment->selectAll();
    m_ui->edComment->setFocus();
}

TableDialog::~TableDialog() = default;

void TableDialog::updateEnabled()
{
    m_ui->edCombStart->setEnabled(m_single && m_ui->rbUseMyComb->isChecked());
}

void TableDialog::accept()
{
    const bool ownComb = m_single && m_ui->rbUseMyComb->isChecked();
    core::TComb comb = m_rec.StartComb;
    const stakes::TableInputError error = stakes::TableInputCheck(m_ui->edComment->text(), m_comments, ownComb,
                                                                  m_ui->edCombStart->text(), comb);
    if (error != stakes::TableInputError::None) {
        showError(stakes::TableInputErrorText(error));
        (error == stakes::TableInputError::Comb ? m_ui->edCombStart : m_ui->edComment)->setFocus();
        return;
    }
    stakes::SetTableComment(m_rec, m_ui->edComment->text());
    m_rec.UseLastDraw = m_ui->rbUseLastDraw->isChecked() ? 1 : 0;
    m_rec.Step = m_ui->edStep->value();
    if (m_single) {
        // In last-draw mode the start is not checked; a text that does not parse leaves the
        // selected combination in place.
        core::TValueSet numbers;
        if (ownComb)
            m_rec.StartComb = comb;
        else if (stakes::ParseStakeNumbers(m_ui->edCombStart->text(), numbers))
            std::copy(numbers.Values, numbers.Values + core::CombSize, m_rec.StartComb.v);
    }
    core::SortComb(m_rec.StartComb);
    QDialog::accept();
}

} // namespace ui
