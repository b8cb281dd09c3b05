// The commands of the pages "Ставки" and "Рейтинг": their actions, the menus "Ставки" and
// "Рейтинг", the popup menus of the grid and the list, and their enabling rules.
//
// The stake and rating commands keep their keys (F4, F5, F6 with Ctrl and Alt, Alt+D,
// Shift+Ctrl+Del) in the whole window: a stake is made while the combination list has the
// focus, and no other command uses those keys. Only Ctrl+Del acts on the rows selected in the
// grid, so it works while the focus is inside the stakes page.

#include "ui/MainWindow.h"

#include "app/CandidatesController.h"
#include "app/RatingsController.h"
#include "app/Session.h"
#include "app/StakesController.h"
#include "ui/CombsPage.h"
#include "ui/RatingsPage.h"
#include "ui/StakesPage.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>

namespace ui {

namespace {

const char* const kEffModeActions[] = {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"};

} // namespace

void MainWindow::createStakesActions()
{
    app::StakesController& stakes = m_session.stakes();
    app::RatingsController& ratings = m_session.ratings();
    const auto add = [this](const char* name, const QString& caption, const QString& hint,
                            const QKeySequence& shortcut = {}) {
        QAction* a = addAction(QString::fromLatin1(name), caption, hint);
        a->setShortcut(shortcut);
        return a;
    };

    connect(add("StakeAdd", tr("Сделать ставку"),
                tr("Добавить текущую комбинацию в список ставок с возможностью ручного ввода"),
                QKeySequence(Qt::Key_F4)),
            &QAction::triggered, this, [this] { m_session.stakes().stakeAdd(firstSelectedComb()); });
    connect(add("StakeAddRandom", tr("Сделать случайную ставку"),
                tr("Добавить ставку, выбранную случайным образом из списка комбинаций"),
                QKeySequence(Qt::CTRL | Qt::Key_F4)),
            &QAction::triggered, &stakes, &app::StakesController::stakeAddRandom);
    connect(add("StakeAddSelected", tr("Сделать ставки для выделенных комбинаций"),
                tr("Добавить выделенные комбинации в список ввода"), QKeySequence(Qt::ALT | Qt::Key_F4)),
            &QAction::triggered, this, [this] {
                if (m_session.stakes().stakeAddSelected(m_combsPage->selectedRows()))
                    m_combsPage->list()->clearSelection();
            });
    connect(add("StakeAddAll", tr("Сделать ставки для всех комбинаций"),
                tr("Добавить все существующие комбинации в список ввода"),
                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F4)),
            &QAction::triggered, &stakes, &app::StakesController::stakeAddAll);
    QAction* del = add("StakeDel", tr("Удалить ставку"), tr("Удалить выделенные ставки из списка ставок"),
                       QKeySequence(Qt::CTRL | Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(del, &QAction::triggered, this, [this] {
        int top = 0;
        int bottom = 0;
        // Grid row i shows record i; the controller counts a header row before them.
        if (m_stakesPage->selectedRange(top, bottom))
            m_session.stakes().stakeDel(top + 1, bottom + 1);
    });
    connect(add("StakeFilter", tr("Удалить по условию"),
                tr("Удалить ставки с заданным количеством совпадений из списка ставок"),
                QKeySequence(Qt::ALT | Qt::Key_D)),
            &QAction::triggered, &stakes, &app::StakesController::stakeFilter);
    connect(add("StakeClear", tr("Удалить все ставки"), tr("Очистить список ставок"),
                QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Delete)),
            &QAction::triggered, &stakes, &app::StakesController::stakeClear);
    connect(addToggle(QStringLiteral("StakesScroll"), tr("Прокручивать список при добавлении"),
                      tr("Прокручивать список ставок при добавлении новой ставки")),
            &QAction::triggered, &stakes, &app::StakesController::setScrollEnabled);
    connect(addToggle(QStringLiteral("StakesCheckLine"), tr("Проверять ставки после каждой строки сценария"),
                      tr("Проверять ставки после каждой строки сценария")),
            &QAction::triggered, &stakes, &app::StakesController::setCheckOnLine);

    connect(add("StakesCheckManual", tr("Проверить ставки"), tr("Выполнить проверку ставок по архиву тиражей"),
                QKeySequence(Qt::CTRL | Qt::Key_F5)),
            &QAction::triggered, &stakes, &app::StakesController::checkManual);
    connect(
        addToggle(QStringLiteral("LogStakes"), tr("Журналы ставок"), tr("Создавать текстовые файлы журналов ставок")),
        &QAction::triggered, &stakes, &app::StakesController::setLogEnabled);
    connect(add("LogStakesDelete", tr("Удалить журналы ставок"), tr("Удалить имеющиеся файлы журналов ставок")),
            &QAction::triggered, &stakes, &app::StakesController::logsDelete);
    connect(add("StakesGraphDraws", tr("Суммарный профит по тиражам"),
                tr("График суммарного профита ставок по тиражам"), QKeySequence(Qt::Key_F6)),
            &QAction::triggered, &stakes, &app::StakesController::graphDraws);
    connect(add("StakesGraphOverlap", tr("График совпадений ставок"),
                tr("График количества совпадений для всех ставок по тиражам"), QKeySequence(Qt::CTRL | Qt::Key_F6)),
            &QAction::triggered, this, [this] { m_session.stakes().graphOverlap(m_ratingsPage->selectedNames()); });
    connect(add("StakesGraphProfits", tr("График профита ставок"), tr("График профита для всех ставок по тиражам"),
                QKeySequence(Qt::ALT | Qt::Key_F6)),
            &QAction::triggered, this, [this] { m_session.stakes().graphProfits(m_ratingsPage->selectedNames()); });

    QAction* refresh = add("RatingsRefresh", tr("Обновить рейтинг"), {}, QKeySequence(Qt::Key_F5));
    refresh->setIconText(tr("Пересчитать рейтинг по текущим данным"));
    connect(refresh, &QAction::triggered, this, [this] { m_session.ratings().refresh(m_session.stakes().file()); });
    connect(add("RatingsExport", tr("Экспорт рейтинга в CSV-файл"), {}), &QAction::triggered, &ratings,
            &app::RatingsController::exportCsv);
    connect(add("RatingsGraphOverlap", tr("Количество совпадений"),
                tr("График количества совпадений для выделенных строк рейтинга")),
            &QAction::triggered, this, [this] { m_session.ratings().graphOverlap(m_ratingsPage->selectedRows()); });
    const QString modes[] = {tr("Ожидаемые значения совпадений"), tr("Абсолютные значения эффективности"),
                             tr("Относительные значения эффективности")};
    m_effModeGroup = new QActionGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        QAction* a = addToggle(QString::fromLatin1(kEffModeActions[mode]), modes[mode]);
        m_effModeGroup->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, mode] { m_session.ratings().setEffMode(scripts::EfficiencyMode(mode)); });
    }

    connect(&stakes, &app::StakesController::refreshed, this, &MainWindow::updateActionStates);
    connect(&stakes, &app::StakesController::switchesChanged, this, &MainWindow::updateActionStates);
    connect(&ratings, &app::RatingsController::changed, this, &MainWindow::updateActionStates);
    connect(&ratings, &app::RatingsController::effModeChanged, this, &MainWindow::updateActionStates);
}

void MainWindow::replacePage(const QString& name, QWidget* page)
{
    QWidget* placeholder = m_pages.value(name);
    const int index = m_pcMain->indexOf(placeholder);
    const QString caption = m_pcMain->tabText(index);
    m_pcMain->removeTab(index);
    delete placeholder;
    page->setObjectName(name);
    m_pcMain->insertTab(index, page, caption);
    m_pages.insert(name, page);
}

void MainWindow::createStakesPages()
{
    m_stakesPage = new StakesPage(m_session.stakes(), m_pcMain);
    replacePage(QStringLiteral("tsStakes"), m_stakesPage);
    m_ratingsPage = new RatingsPage(m_session, m_pcMain);
    replacePage(QStringLiteral("tsRatings"), m_ratingsPage);
    m_stakesPage->addAction(action(QStringLiteral("StakeDel")));

    connect(m_stakesPage, &StakesPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_ratingsPage, &RatingsPage::selectionChanged, this, &MainWindow::updateActionStates);
    connect(m_ratingsPage, &RatingsPage::rowActivated, action(QStringLiteral("RatingsGraphOverlap")),
            &QAction::trigger);
    connect(m_combsPage->list(), &QTableView::doubleClicked, action(QStringLiteral("StakeAdd")), &QAction::trigger);
}

void MainWindow::createStakesMenus()
{
    const auto named = [this](std::initializer_list<const char*> names) {
        QList<QAction*> actions;
        for (const char* name : names)
            actions << (name ? action(QString::fromLatin1(name)) : nullptr);
        return actions;
    };
    const auto fill = [](QMenu* menu, const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            if (a)
                menu->addAction(a);
            else
                menu->addSeparator();
        }
    };

    const QList<QAction*> stakeCommands =
        named({"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", nullptr, "SystemStakeFilter",
               "SystemStakeAll", nullptr, "StakeDel", "StakeFilter",
               "StakeClear", nullptr, "StakesCheckManual", "StakesGraphDraws", nullptr, "StakesScroll",
               "StakesCheckLine", nullptr, "LogStakes", "LogStakesDelete", nullptr, "StakesXlsExport"});
    QMenu* stakes = menuBar()->addMenu(tr("Ставки"));
    stakes->setObjectName(QStringLiteral("mnStakes"));
    fill(stakes, stakeCommands);
    m_stakesPage->setCommands(named({"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", "StakeDel",
                                     "StakeFilter", "StakeClear", "StakesCheckManual", "StakesGraphDraws"}),
                              stakeCommands + named({nullptr, "RatingsRefresh"}));

    auto* effModes = new QMenu(tr("Эффективность (столбцы E0..n)"), this);
    effModes->setObjectName(QStringLiteral("mnRatingsEffMode"));
    effModes->addActions(m_effModeGroup->actions());
    QList<QAction*> ratingCommands =
        named({"RatingsRefresh", "RatingsExport", nullptr, "RatingsToScript", nullptr, "RatingsGraphOverlap",
               "StakesGraphOverlap", "StakesGraphProfits", nullptr, "RatingsXlsExport", nullptr});
    ratingCommands << effModes->menuAction();
    QMenu* ratings = menuBar()->addMenu(tr("Рейтинг"));
    ratings->setObjectName(QStringLiteral("mnRatings"));
    fill(ratings, ratingCommands);
    m_ratingsPage->setCommands(
        named({"RatingsRefresh", "RatingsExport", "RatingsToScript", "RatingsGraphOverlap", "StakesGraphOverlap",
               "StakesGraphProfits"}),
        ratingCommands);
}

int MainWindow::firstSelectedComb() const
{
    int first = -1;
    for (const QItemSelectionRange& range : m_combsPage->list()->selectionModel()->selection()) {
        if (first < 0 || range.top() < first)
            first = range.top();
    }
    return first;
}

void MainWindow::updateStakesActionStates(bool idle)
{
    if (!m_stakesPage || !m_ratingsPage || !m_combsPage)
        return;
    const app::StakesController& stakes = m_session.stakes();
    const bool open = stakes.isOpen();
    const bool hasData = stakes.hasData();
    const bool listed = !m_session.candidates().combs().empty();
    const bool ratingRows = !m_session.ratings().rows().empty();
    const bool ratingSelected = m_ratingsPage->hasSelection();
    const auto enable = [this](const char* name, bool on) { action(QString::fromLatin1(name))->setEnabled(on); };
    enable("StakeAdd", idle && open);
    enable("StakeAddRandom", idle && listed && open);
    enable("StakeAddSelected", idle && m_combsPage->hasSelection() && open);
    enable("StakeAddAll", idle && listed && open);
    enable("StakeDel", idle && hasData && m_stakesPage->hasSelection());
    enable("StakeFilter", idle && hasData);
    enable("StakeClear", idle && hasData);
    enable("StakesCheckManual", idle && hasData);
    enable("StakesGraphDraws", idle && hasData);
    enable("StakesGraphOverlap", idle && hasData && ratingSelected);
    enable("StakesGraphProfits", idle && hasData && ratingSelected);
    enable("RatingsRefresh", idle && open);
    enable("RatingsExport", idle && ratingRows);
    enable("RatingsGraphOverlap", idle && ratingSelected);
    action(QStringLiteral("StakesScroll"))->setChecked(stakes.scrollEnabled());
    action(QStringLiteral("StakesCheckLine"))->setChecked(stakes.checkOnLine());
    action(QStringLiteral("LogStakes"))->setChecked(stakes.logEnabled());
    const int mode = int(m_session.ratings().effMode());
    for (int i = 0; i < 3; ++i)
        action(QString::fromLatin1(kEffModeActions[i]))->setChecked(i == mode);
}

} // namespace ui
