#include "ui/ExportFieldDialog.h"

#include "ui_ExportFieldDialog.h"

#include <QRegularExpressionValidator>

namespace ui {

ExportFieldDialog::ExportFieldDialog(const xls::TExportField& field, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ExportFieldDialog>()), m_field(field)
{
    m_ui->setupUi(this);
    // The stored entry separates its words with ";", so a caption cannot hold one.
    m_ui->edCaption->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]*")), m_ui->edCaption));
    m_ui->edCaption->setText(field.Caption);
    m_ui->edAlign->setCurrentIndex(std::clamp(field.Align, 0, 2));
    m_ui->edWidth->setValue(xls::ReadColumnWidth(field.WidthText));
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ExportFieldDialog::~ExportFieldDialog() = default;

xls::TExportField ExportFieldDialog::field() const
{
    xls::TExportField field = m_field;
    field.Caption = m_ui->edCaption->text();
    field.Align = m_ui->edAlign->currentIndex();
    field.WidthText = xls::WidthText(m_ui->edWidth->value());
    return field;
}

} // namespace ui
