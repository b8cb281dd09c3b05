#pragma once

// The line editor: the start list and its excluded draws, what to do when more than one
// combination is left, the clear and new-only switches, seven filter texts with the filter
// dialog behind each "..." button (and a double click in the field), and the comment. The
// caller gives the window's caption. Filter texts are not checked here; a broken one fails when
// the line runs.

#include "combos/Filters.h"
#include "scripts/ScriptLine.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QLineEdit;
class QToolButton;

namespace Ui {
class ScriptLineDialog;
}

namespace stats {
class TStatList;
}

namespace ui {

class ScriptLineDialog : public QDialog
{
    Q_OBJECT

public:
    // Edits a filter item in place; false when the person cancelled.
    using FilterEditor = std::function<bool(combos::TFilterItem&)>;

    // An empty line starts every control at its default, the excluded draws at defaultExclude;
    // a given line fills them all from its fields.
    ScriptLineDialog(const QString& caption, const QString& line, int defaultExclude, const stats::TStatList& statList,
                     FilterEditor filterEditor, QWidget* parent = nullptr);
    ~ScriptLineDialog() override;

    // The line the controls describe.
    QString line() const;
    // The "..." button of filter k (1..7): the field goes through the filter dialog.
    void editFilter(int k);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::ScriptLineDialog> m_ui;
    const stats::TStatList& m_statList;
    FilterEditor m_editFilter;
    std::array<QLineEdit*, scripts::kLineFilters> m_filters{};
    std::array<QToolButton*, scripts::kLineFilters> m_buttons{};
};

} // namespace ui
