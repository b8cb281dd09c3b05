#pragma once

// "Параметры поля": the caption, alignment and width of one exported column.

#include "export/ExportParams.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ExportFieldDialog;
}

namespace ui {

class ExportFieldDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportFieldDialog(const xls::TExportField& field, QWidget* parent = nullptr);
    ~ExportFieldDialog() override;

    // The field with the edited caption, alignment and width text ("%.2f").
    xls::TExportField field() const;

private:
    std::unique_ptr<Ui::ExportFieldDialog> m_ui;
    xls::TExportField m_field;
};

} // namespace ui
