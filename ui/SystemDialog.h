#pragma once

// "Система": a wheeling system's fields and lines. Editable, the lines are cleaned whenever the
// list loses the focus (CombsCheck) and the fields are checked on OK; read-only, it only shows
// them. Beside the block the author claims it shows what the lines really guarantee.

#include "stakes/SystemFile.h"

#include <QDialog>

#include <functional>
#include <memory>

class QMenu;

namespace Ui {
class SystemDialog;
}

namespace ui {

class SystemDialog : public QDialog
{
    Q_OBJECT

public:
    SystemDialog(const stakes::tSystemData& system, bool editable, QWidget* parent = nullptr);
    ~SystemDialog() override;

    // The edited record: id and address unchanged, the rest from the fields.
    stakes::tSystemData edited() const;

    // Cleans the lines: five-number lines become "%.2d" words, every other line goes; "Числа"
    // and "Комбинаций" follow. False (after the error was shown) when a word is not a number.
    bool combsCheck();
    // The guarantee line under the list, for the current lines.
    void updateGuarantee();
    QMenu* combsMenu() const { return m_combsMenu; }
    QString guaranteeText() const;

    // Where messages go; a box by default, tests record them.
    std::function<void(const QString&)> showError;
    // Where the link goes; the platform's browser by default.
    std::function<void(const QString&)> openUrl;
    // File pickers of the list's menu; the platform's dialogs by default.
    std::function<QString()> pickOpenFile;
    std::function<QString()> pickSaveFile;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCombsMenu();
    void updateCombsMenu();
    void loadFromFile();
    void saveToFile();

    std::unique_ptr<Ui::SystemDialog> m_ui;
    stakes::tSystemData m_system;
    bool m_editable;
    QMenu* m_combsMenu = nullptr;
};

} // namespace ui
