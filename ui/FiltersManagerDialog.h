#pragma once

// The filters manager: a tree of the statistic methods grouped by category, where the person
// ticks the favourites, gives methods names of their own and chooses how method names are
// shown. Works on a copy of the statistics list; list() holds the result after OK.

#include "core/DataFolder.h"
#include "stats/StatList.h"

#include <QDialog>
#include <QHash>
#include <QIcon>

#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace app {
class UserIo;
}

namespace ui {

class FiltersManagerDialog : public QDialog
{
    Q_OBJECT

public:
    FiltersManagerDialog(const stats::TStatList& list, app::UserIo& io, const core::DataFolder& folder,
                         const QString& helpFile, QWidget* parent = nullptr);

    // The edited list: after OK it carries the tree's favourites and names and the options.
    const stats::TStatList& list() const { return m_list; }
    QTreeWidget* tree() const { return m_tree; }
    QAction* action(const QString& name) const { return m_actions.value(name); }

    // Node roles: the method index of a method node (-1 for a group node), its tick.
    static constexpr int MethodRole = Qt::UserRole;
    static constexpr int TickRole = Qt::UserRole + 1;
    static bool isTicked(const QTreeWidgetItem* item);

    // The rename box: the new name, or nothing when cancelled. Replaceable, for the tests.
    std::function<std::optional<QString>(const QString& current)> askName;
    // The description window of a method. Replaceable, for the tests.
    std::function<void(int method)> showInfo;

    void accept() override;

private:
    QAction* addAction(const QString& name, const QString& caption, const QString& hint);
    void fillTree();
    void updateActions();
    void setTicked(QTreeWidgetItem* item, bool ticked);
    void tickAll(bool ticked);
    void tickGroup(bool ticked);
    void toggle(QTreeWidgetItem* item);
    QTreeWidgetItem* selectedMethodNode() const;
    QList<QTreeWidgetItem*> methodNodes() const;
    // The default caption of a method as the tree shows it.
    QString defaultCaption(int method) const;
    bool isDefaultCaption(int method, const QString& text) const;
    void applyTicks();
    void applyNames();
    void renameSelected();
    void resetSelectedName();
    void namesImport();
    void namesExport();

    stats::TStatList m_list;
    app::UserIo& m_io;
    core::DataFolder m_folder;
    QString m_helpFile;
    QTreeWidget* m_tree;
    QLabel* m_count;
    QCheckBox* m_sortOnName;
    QCheckBox* m_showGroupName;
    QCheckBox* m_showFlags;
    QHash<QString, QAction*> m_actions;
    QIcon m_tickOn;
    QIcon m_tickOff;
    bool m_busy = false;
};

} // namespace ui
