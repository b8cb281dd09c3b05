#include "ui/DrawDialog.h"

#include "core/Dates.h"
#include "core/DrawInput.h"
#include "core/TextForms.h"
#include "ui_DrawDialog.h"

#include <QDateTime>
#include <QLocale>
#include <QMessageBox>

namespace ui {

DrawDialog::DrawDialog(const core::TDrawRec& rec, const QString& title, bool showDate, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DrawDialog>()), m_rec(rec), m_showDate(showDate)
{
    m_ui->setupUi(this);
    setWindowTitle(title);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &DrawDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &DrawDialog::reject);
    showError = [this](const QString& text) { QMessageBox::critical(this, tr("Ошибка"), text); };

    m_ui->edDrawNumber->setValue(std::max(1, rec.Num));
    m_ui->edDrawData->setText(core::DrawTextOf(rec));
    m_ui->edDrawDate->setDisplayFormat(locale().dateFormat(QLocale::LongFormat));

    QDateTime shown = QDateTime::currentDateTime();
    if (showDate) {
        const QString stored = core::DrawDateText(rec);
        if (!stored.isEmpty()) {
            try {
                int y = 0, m = 0, d = 0;
                core::DecodeDate(core::TextToDate(stored), y, m, d);
                shown = QDateTime(QDate(y, m, d), QTime(0, 0));
            } catch (const core::EConvertError&) {
                // A date text that is not a date shows today, as a record without one does.
            }
        }
    }
    m_ui->edDrawDate->setDate(shown.date());
    m_ui->edDrawTime->setTime(shown.time());

    if (!showDate) {
        m_ui->lblDrawDate->hide();
        m_ui->edDrawDate->hide();
        m_ui->edDrawTime->hide();
        resize(width(), 200);
    }
    m_ui->edDrawData->setFocus();
    m_ui->edDrawData->selectAll();
}

DrawDialog::~DrawDialog() = default;

void DrawDialog::accept()
{
    core::TDrawRec rec = m_rec;
    if (!core::ParseDrawText(m_ui->edDrawData->text(), rec)) {
        showError(tr("Введена некорректная комбинация!"));
        m_ui->edDrawData->setFocus();
        return;
    }
    rec.Num = m_ui->edDrawNumber->value();
    if (m_showDate) {
        const QDate date = m_ui->edDrawDate->date();
        // The stored text has room for the date only, so the picked time is cut off.
        core::SetDrawDateText(
            rec, core::DateToText(core::EncodeDate(date.year(), date.month(), date.day())).left(core::DrawDateMaxLen));
    }
    m_rec = rec;
    QDialog::accept();
}

} // namespace ui
