#pragma once

// The page "Комбинации": a tool panel, the candidate list and the filter history below it.
// The commands themselves are the main window's actions; the page shows them and tells which
// rows the person picked.

#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QSpinBox;
class QSplitter;
class QTableView;

namespace app {
class Session;
}

namespace core {
class IniFile;
}

namespace ui {

class CommandBar;
class CombListModel;
class FilterHistoryModel;

class CombsPage : public QWidget
{
    Q_OBJECT

public:
    explicit CombsPage(app::Session& session, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    QTableView* filters() const { return m_filters; }
    QSpinBox* excludeBox() const { return m_exclude; }
    CombListModel* model() const { return m_model; }
    FilterHistoryModel* historyModel() const { return m_historyModel; }

    // Puts the combination actions on the tool panel, into the list's popup menu and onto the
    // page, whose shortcuts then act only while the focus is inside it.
    void installActions(const std::function<QAction*(const QString&)>& action);

    // The focused row, or -1.
    int focusedRow() const;
    bool hasSelection() const;
    // One flag per list row. Built from the selection's ranges, so a select-all over millions
    // of rows stays cheap.
    std::vector<bool> selectedFlags() const;
    // The selected rows in list order.
    std::vector<std::size_t> selectedRows() const;

    void loadLayout(const core::IniFile& ini, const QString& section);
    void saveLayout(core::IniFile& ini, const QString& section) const;

signals:
    void selectionChanged();
    // Enter was pressed in the exclusion count box.
    void excludeEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    app::Session& m_session;
    CombListModel* m_model;
    FilterHistoryModel* m_historyModel;
    CommandBar* m_fileBar;
    CommandBar* m_stepBar;
    QSpinBox* m_exclude;
    QSplitter* m_splitter;
    // The history's height as last set or dragged; the splitter only knows it once shown.
    int m_filtersHeight;
    QTableView* m_list;
    QTableView* m_filters;
};

} // namespace ui
