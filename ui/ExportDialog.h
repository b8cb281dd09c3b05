#pragma once

// "Экспорт в Microsoft Excel": the sheet's parameters, the row mode and the exported fields of
// one export, with the parameter files of its "Параметры" menu.

#include "export/ExportParams.h"

#include <QDialog>

#include <memory>

class QTreeWidgetItem;

namespace Ui {
class ExportDialog;
}

namespace ui {

class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    // stateFile: the window-state file that keeps the field list's column layout.
    ExportDialog(const xls::ExportDialogState& state, const QString& stateFile, QWidget* parent = nullptr);
    ~ExportDialog() override;

    // The state with everything the person set.
    xls::ExportDialogState state() const;

    // The field list's commands; the current field stays current.
    void moveCurrent(int delta);
    void setChecked(int row, bool checked);
    bool editCurrent();
    // The "Параметры" menu on a given file; errors are shown.
    bool loadParamsFile(const QString& path);
    bool saveParamsFile(const QString& path);

    void done(int result) override;

private:
    void showParams(const xls::TExportParams& params);
    xls::TExportParams collect() const;
    void fillFields(int current);
    void updateRecNum();
    void onItemChanged(QTreeWidgetItem* item, int column);

    std::unique_ptr<Ui::ExportDialog> m_ui;
    xls::ExportDialogState m_state;
    QList<xls::TExportField> m_fields;
    QString m_stateFile;
    bool m_filling = false;
};

} // namespace ui
