#pragma once

// The page "Рейтинг": the buttons of the rating and stake charts above the list lvRatings, one
// row per stake comment. A click on a column header sorts the rating, which rewrites its file.

#include <QWidget>

#include <vector>

class QAction;
class QMenu;
class QTableView;

namespace app {
class Session;
}

namespace core {
class IniFile;
}

namespace ui {

class CommandBar;
class RatingsModel;

class RatingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit RatingsPage(app::Session& session, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    RatingsModel* model() const { return m_model; }
    CommandBar* panel() const { return m_panel; }
    QMenu* popup() const { return m_popup; }

    // The buttons above the list and the items of its popup menu (nullptr: a separator).
    void setCommands(const QList<QAction*>& buttons, const QList<QAction*>& popup);

    bool hasSelection() const;
    // Selected rows in list order, and their comments.
    std::vector<int> selectedRows() const;
    QStringList selectedNames() const;

    void loadLayout(const core::IniFile& ini, const QString& section);
    void saveLayout(core::IniFile& ini, const QString& section) const;

signals:
    void selectionChanged();
    // A row was double-clicked.
    void rowActivated();

private:
    void onHeaderClicked(int column);
    void showSortIndicator();

    app::Session& m_session;
    RatingsModel* m_model;
    CommandBar* m_panel;
    QTableView* m_list;
    QMenu* m_popup;
};

} // namespace ui
