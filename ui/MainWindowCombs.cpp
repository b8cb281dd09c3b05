// The commands of the combination page: their actions, the menu "Комбинации" and their
// enabling rules.
//
// Ctrl+C, Ctrl+V, Ctrl+A, Ctrl+Z and F2 mean other things on other pages, so every action of
// the page acts on its shortcut only while the focus is inside the page.

#include "ui/MainWindow.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Session.h"
#include "ui/CombsPage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>

namespace ui {

void MainWindow::createCombsActions()
{
    const auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                            const QString& hint = {}) {
        QAction* a = addAction(QString::fromLatin1(name), caption, hint);
        if (!shortcut.isEmpty()) {
            a->setShortcut(shortcut);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        }
        return a;
    };

    QAction* gen = add("CombsGen", tr("Генерировать"), QKeySequence(Qt::Key_F2));
    gen->setIconText(tr("Новый"));
    connect(gen, &QAction::triggered, &m_session.candidates(), &app::CandidatesController::regenerate);
    connect(
        add("CombsOpen", tr("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O), tr("Загрузить список комбинаций из файла")),
        &QAction::triggered, &m_session.candidates(), &app::CandidatesController::open);
    connect(add("CombsSave", tr("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S),
                tr("Сохранить список комбинаций в файле")),
            &QAction::triggered, &m_session.candidates(), &app::CandidatesController::save);
    connect(add("CombsUndo", tr("Отменить"), QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered,
            &m_session.candidates(), &app::CandidatesController::undo);
    QAction* exclude = add("CombsDelExists", tr("Исключить тиражи"), QKeySequence(Qt::CTRL | Qt::Key_E));
    exclude->setIconText(tr("[-] Тиражи"));
    connect(exclude, &QAction::triggered, this,
            [this] { m_session.candidates().deleteDrawn(m_combsPage->excludeBox()->value()); });
    connect(add("CombsDelSelected", tr("Удалить выделенные"), {}), &QAction::triggered, this,
            [this] { m_session.candidates().removeSelected(m_combsPage->selectedFlags()); });
    connect(add("CombsCopy", tr("Копировать в буфер"), QKeySequence(Qt::CTRL | Qt::Key_C),
                tr("Копировать выделенные комбинации в буфер обмена")),
            &QAction::triggered, this, [this] { m_session.candidates().copy(m_combsPage->selectedRows()); });
    connect(add("CombsPaste", tr("Вставить из буфера"), QKeySequence(Qt::CTRL | Qt::Key_V),
                tr("Вставить комбинации из буфера обмена")),
            &QAction::triggered, &m_session.candidates(), &app::CandidatesController::paste);
    connect(add("CombsSelectAll", tr("Выделить все"), QKeySequence(Qt::CTRL | Qt::Key_A)), &QAction::triggered, this,
            [this] { m_combsPage->list()->selectAll(); });
    connect(add("CombsCheckNums", tr("Количество уникальных номеров"), {}), &QAction::triggered,
            &m_session.candidates(), &app::CandidatesController::countNumbers);
    connect(add("CombsFindInDraws", tr("Проверить по архиву тиражей"), QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, [this] { m_session.candidates().findInDraws(m_combsPage->focusedRow()); });

    connect(addToggle(QStringLiteral("ColorCombs"), tr("Выделять каналы в списке комбинаций")), &QAction::toggled,
            &m_session.candidates(), &app::CandidatesController::setColorCombs);
}

void MainWindow::createCombsPage()
{
    m_combsPage = new CombsPage(m_session, m_pcLists);
    m_combsPage->setObjectName(QStringLiteral("tsCombs"));
    m_pcLists->addTab(m_combsPage, tr("Комбинации"));
    m_combsPage->installActions([this](const QString& name) { return action(name); });

    connect(m_combsPage, &CombsPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_combsPage, &CombsPage::excludeEntered, this, [this] {
        QAction* exclude = action(QStringLiteral("CombsDelExists"));
        if (exclude->isEnabled())
            exclude->trigger();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateActionStates);
}

void MainWindow::createCombsMenu()
{
    QMenu* combs = menuBar()->addMenu(tr("Комбинации"));
    const std::initializer_list<const char*> groups[] = {
        {"CombsGen", "CombsOpen", "CombsSave"},
        {"CombsUndo", "CombsDelExists", "CombsDelSelected"},
        {"CombsCopy", "CombsPaste", "CombsSelectAll"},
        {"CombsCheckNums", "CombsFindInDraws", "CombsInfo"},
        {"CombsXlsExport"},
    };
    for (const auto& group : groups) {
        if (!combs->isEmpty())
            combs->addSeparator();
        for (const char* name : group)
            combs->addAction(action(QString::fromLatin1(name)));
    }
}

void MainWindow::updateCombsActionStates(bool idle)
{
    if (!m_combsPage)
        return;
    const bool listed = !m_session.candidates().combs().empty();
    const int focused = m_combsPage->focusedRow();
    const auto enable = [this](const char* name, bool on) { action(QString::fromLatin1(name))->setEnabled(on); };
    enable("CombsSave", idle && listed);
    enable("CombsUndo", idle && m_session.candidates().undoCount() > 0);
    enable("CombsDelExists",
           idle && listed && !m_session.archive().draws().empty() && m_combsPage->excludeBox()->value() > 0);
    enable("CombsDelSelected", idle && listed && m_combsPage->hasSelection());
    enable("CombsCopy", idle && listed);
    enable("CombsPaste", idle && m_session.io().clipboardHasText());
    enable("CombsSelectAll", idle && listed);
    enable("CombsFindInDraws", idle && focused >= 0 && std::size_t(focused) < m_session.candidates().combs().size());
    action(QStringLiteral("ColorCombs"))->setChecked(m_session.services().windowState().ColorCombs);
}

} // namespace ui
