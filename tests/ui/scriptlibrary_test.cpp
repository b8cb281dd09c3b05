// The panel of the online script catalogue on the page "Сценарий" in the real main window
// against the stand-in service host, the properties dialog and the ratings window, offscreen.

#include "LiveHost.h"
#include "StakesFixture.h"
#include "app/OnlineScripts.h"
#include "app/ScriptController.h"
#include "core/IniFile.h"
#include "ui/CommandBar.h"
#include "ui/OnlineScriptsModel.h"
#include "ui/RatesWindow.h"
#include "ui/ScriptPage.h"
#include "ui/ScriptPropertiesDialog.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>

using stakestest::Program;

namespace {

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* a : actions) {
        if (!a->isSeparator())
            names << (a->menu() ? a->text() : a->objectName());
    }
    return names;
}

online::ClientIdentity person(const QString& name, const QString& mail, const QString& appid = {})
{
    online::ClientIdentity id;
    if (!appid.isEmpty())
        id.appid = appid;
    id.appver = QStringLiteral("1.0");
    id.hwdid = QStringLiteral("HW");
    id.cl_name = name;
    id.cl_mail = mail;
    return id;
}

} // namespace

class ScriptLibraryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void outlineOfThePanel();
    void rowsIconsAndEnablingRules();
    void ratingFromThePopupAndTheFilters();
    void theSwitchHidesThePanel();
    void aTakenTitleKeepsTheDialogOpen();
    void readOnlyDialogAndUnknownLanguage();
    void ratesWindowKeepsItsColumns();

private:
    int publish(const online::ClientIdentity& who, const QString& title, bool publics, bool universal = false)
    {
        online::tScriptData data;
        data.author = who.cl_name;
        data.lcid = 1049;
        data.title = title;
        data.publics = publics;
        data.universal = universal;
        std::optional<std::int32_t> id;
        QString error;
        online::ScriptsLibrary(online::ServiceClient(m_host->address()), who)
            .publish(data, {QStringLiteral("FULL:0#RAND| | | | | | | |")}, id, &error);
        return id.value_or(-1);
    }

    std::unique_ptr<testsupport::LiveHost> m_host;
    std::unique_ptr<QTemporaryDir> m_dir;
    const online::ClientIdentity m_me = person(QStringLiteral("Я"), QStringLiteral("me@example.test"));
};

void ScriptLibraryTest::init()
{
    m_host = std::make_unique<testsupport::LiveHost>();
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
    core::IniFile ini(m_dir->filePath(QStringLiteral("Vertoma_5x54.ini")));
    QVERIFY(ini.load());
    ini.writeString(QStringLiteral("NETWORK"), QStringLiteral("ServiceUrl"), m_host->url());
    ini.writeString(QStringLiteral("NETWORK"), QStringLiteral("CaFile"), testsupport::TestCaFile());
    ini.writeString(QStringLiteral("CLIENT"), QStringLiteral("UserName"), m_me.cl_name);
    ini.writeString(QStringLiteral("CLIENT"), QStringLiteral("UserMail"), m_me.cl_mail);
    QVERIFY(ini.save());
}

void ScriptLibraryTest::outlineOfThePanel()
{
    Program p(m_dir->path());
    ui::ScriptPage* page = p.window->scriptPage();
    QCOMPARE(page->onlinePanel()->objectName(), QStringLiteral("pnlOnlineScripts"));
    // Under the script list, behind its splitter.
    QCOMPARE(page->splitter()->orientation(), Qt::Vertical);
    QCOMPARE(page->splitter()->widget(0), static_cast<QWidget*>(page->list()));
    QCOMPARE(page->splitter()->widget(1), page->onlinePanel());
    QCOMPARE(page->onlineCommands()->objectName(), QStringLiteral("pnlOnlineScriptsCmd"));
    QTableView* list = page->onlineList();
    QCOMPARE(list->objectName(), QStringLiteral("lvOnlineScripts"));
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->showGrid());
    QVERIFY(list->isSortingEnabled());
    QCOMPARE(list->horizontalHeader()->sortIndicatorSection(), int(ui::OnlineScriptsModel::ColRating));
    QCOMPARE(list->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QStringList headers;
    for (int column = 0; column < list->model()->columnCount(); ++column)
        headers << list->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{QStringLiteral("Тип"), QStringLiteral("Название"), QStringLiteral("Автор"),
                                   QStringLiteral("Программа"), QStringLiteral("Версия"), QStringLiteral("Язык"),
                                   QStringLiteral("Создан"), QStringLiteral("Рейтинг"), QStringLiteral("Оценок"),
                                   QStringLiteral("Ваша оценка"), QStringLiteral("Загрузок"),
                                   QStringLiteral("Последняя"), QStringLiteral("Комментарии")}));
    QComboBox* filter = page->onlineFilter();
    QCOMPARE(filter->objectName(), QStringLiteral("cbOnlineScriptsFilter"));
    QCOMPARE(filter->count(), 8);
    QCOMPARE(filter->currentIndex(), 2);
    QCOMPARE(filter->itemText(7), QStringLiteral("Новые (24 часа с момента публикации)"));
    QCOMPARE(filter->toolTip(), QStringLiteral("Фильтр сценариев"));

    QCOMPARE(actionNames(page->onlineCommands()->actions()).mid(0, 7),
             (QStringList{QStringLiteral("ScriptLibraryRefresh"), QStringLiteral("ScriptLibraryDownload"),
                          QStringLiteral("ScriptLibraryUpload"), QStringLiteral("ScriptLibraryReplace"),
                          QStringLiteral("ScriptLibraryDelete"), QStringLiteral("ScriptLibraryView"),
                          QStringLiteral("ScriptLibraryRates")}));
    const QStringList popup = actionNames(page->onlinePopup()->actions());
    QVERIFY(popup.contains(QStringLiteral("Оценить")));
    QMenu* rate = nullptr;
    for (QAction* a : page->onlinePopup()->actions())
        if (a->menu())
            rate = a->menu();
    QVERIFY(rate);
    QCOMPARE(actionNames(rate->actions()),
             (QStringList{QStringLiteral("ScriptLibraryRate1"), QStringLiteral("ScriptLibraryRate2"),
                          QStringLiteral("ScriptLibraryRate3"), QStringLiteral("ScriptLibraryRate4"),
                          QStringLiteral("ScriptLibraryRate5"), QStringLiteral("ScriptLibraryHide"),
                          QStringLiteral("ScriptLibraryRate0")}));
    QCOMPARE(p.action("ScriptLibraryRate3")->text(), QStringLiteral("[ 3 ] - Удовлетворительно"));
    QCOMPARE(p.action("ScriptLibraryRate3")->statusTip(), QStringLiteral("Установить оценку \"3\""));
    QCOMPARE(p.action("ScriptLibrary")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QVERIFY(p.action("ScriptLibrary")->isChecked());
    bool inMenu = false;
    for (QAction* a : p.window->menuBar()->actions())
        if (a->text() == QStringLiteral("Сценарий"))
            inMenu = a->menu()->actions().contains(p.action("ScriptLibrary"));
    QVERIFY(inMenu);
}

void ScriptLibraryTest::rowsIconsAndEnablingRules()
{
    const int foreignApp = publish(person(QStringLiteral("Чужой"), QStringLiteral("x@example.test"),
                                          QStringLiteral("{00000000-0000-0000-0000-0000000000AA}")),
                                   QStringLiteral("Другая программа"), true);
    const int theirs = publish(person(QStringLiteral("Пётр"), QStringLiteral("petr@example.test")),
                               QStringLiteral("Петра"), true);
    const int mine = publish(m_me, QStringLiteral("Мой личный"), false);
    QVERIFY(foreignApp > 0 && theirs > 0 && mine > 0);

    Program p(m_dir->path());
    app::OnlineScripts& library = p.session.script().library();
    ui::ScriptPage* page = p.window->scriptPage();
    QAbstractItemModelTester tester(page->onlineModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    p.action("ScriptLibraryRefresh")->trigger();
    QCOMPARE(page->onlineModel()->rowCount(), 3);
    QVERIFY(p.io.messages.isEmpty());

    const auto cell = [&](int id, int column) {
        return page->onlineModel()->index(library.rowOfId(id), column).data().toString();
    };
    QCOMPARE(cell(mine, ui::OnlineScriptsModel::ColKind), QStringLiteral("Мой"));
    QCOMPARE(cell(theirs, ui::OnlineScriptsModel::ColKind), QStringLiteral("Общий"));
    QCOMPARE(cell(foreignApp, ui::OnlineScriptsModel::ColProgram), QStringLiteral("{00000000-0000-0000-0000-0000000000AA}"));
    QCOMPARE(cell(theirs, ui::OnlineScriptsModel::ColLanguage), QStringLiteral("RUS"));
    QVERIFY(!cell(mine, ui::OnlineScriptsModel::ColCreated).isEmpty());
    QCOMPARE(cell(mine, ui::OnlineScriptsModel::ColLastDownload), QString());
    const QImage publicIcon = ui::OnlineScriptsModel::kindIcon(true).pixmap(16, 16).toImage();
    const QImage privateIcon = ui::OnlineScriptsModel::kindIcon(false).pixmap(16, 16).toImage();
    QVERIFY(publicIcon != privateIcon);
    QCOMPARE(page->onlineModel()->index(library.rowOfId(mine), 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage(),
             privateIcon);

    // Nothing selected: only the panel-wide commands.
    QVERIFY(p.enabled("ScriptLibraryRefresh"));
    QVERIFY(!p.enabled("ScriptLibraryView"));
    QVERIFY2(!p.enabled("ScriptLibraryUpload"), "the script has no lines");
    page->selectOnlineRow(library.rowOfId(foreignApp));
    QVERIFY(p.enabled("ScriptLibraryView"));
    QVERIFY(p.enabled("ScriptLibraryRates"));
    QVERIFY2(!p.enabled("ScriptLibraryDownload"), "another program's script");
    QVERIFY(!p.enabled("ScriptLibraryDelete"));
    QVERIFY(!p.enabled("ScriptLibraryRate0"));
    page->selectOnlineRow(library.rowOfId(theirs));
    QVERIFY(p.enabled("ScriptLibraryDownload"));
    QVERIFY(!p.enabled("ScriptLibraryDelete"));
    QVERIFY(!p.enabled("ScriptLibraryReplace"));
    page->selectOnlineRow(library.rowOfId(mine));
    QVERIFY(p.enabled("ScriptLibraryDelete"));
    QVERIFY2(!p.enabled("ScriptLibraryReplace"), "no lines to send");
    p.session.script().addLine(QStringLiteral("FULL:0#LAST| | | | | | | |"));
    QVERIFY(p.enabled("ScriptLibraryReplace"));
    QVERIFY(p.enabled("ScriptLibraryUpload"));

    // A double click shows the properties read-only; a refresh keeps the selected script.
    emit page->onlineList()->doubleClicked(page->onlineList()->currentIndex());
    QCOMPARE(p.io.scriptPropertiesStarts.size(), 1);
    QVERIFY(!p.io.scriptPropertiesStarts.first().editable);
    QCOMPARE(p.io.scriptPropertiesStarts.first().data.title, QStringLiteral("Мой личный"));
    p.action("ScriptLibraryRefresh")->trigger();
    QCOMPARE(page->onlineRow(), library.rowOfId(mine));

    // Downloading another user's script replaces the current script.
    page->selectOnlineRow(library.rowOfId(theirs));
    p.action("ScriptLibraryDownload")->trigger();
    QCOMPARE(p.session.script().lines(), QStringList{QStringLiteral("FULL:0#RAND| | | | | | | |")});
    QCOMPARE(cell(theirs, ui::OnlineScriptsModel::ColDownloads), QStringLiteral("1"));
    QCOMPARE(page->onlineRow(), library.rowOfId(theirs));
}

void ScriptLibraryTest::ratingFromThePopupAndTheFilters()
{
    const int theirs = publish(person(QStringLiteral("Пётр"), QStringLiteral("petr@example.test")),
                               QStringLiteral("Петра"), true);
    Program p(m_dir->path());
    app::OnlineScripts& library = p.session.script().library();
    ui::ScriptPage* page = p.window->scriptPage();
    library.refresh();
    page->selectOnlineRow(library.rowOfId(theirs));
    p.io.textAnswers.enqueue(QStringLiteral("неплохо"));
    p.action("ScriptLibraryRate4")->trigger();
    QCOMPARE(p.io.textPrompts.size(), 1);
    QVERIFY(p.action("ScriptLibraryRate4")->isChecked());
    QVERIFY(!p.action("ScriptLibraryRate5")->isChecked());
    QVERIFY(p.enabled("ScriptLibraryRate0"));
    QCOMPARE(page->onlineModel()->index(library.rowOfId(theirs), ui::OnlineScriptsModel::ColRating).data().toString(),
             QLocale().toString(4.0, 'f', 3));

    // "Все, включая скрытые" keeps a hidden script in view: "Скрытый", the hide checked.
    emit page->onlineFilter()->activated(1);
    QCOMPARE(library.filter(), 1);
    page->selectOnlineRow(library.rowOfId(theirs));
    p.action("ScriptLibraryHide")->trigger();
    QCOMPARE(p.io.textPrompts.size(), 1);
    QCOMPARE(page->onlineRow(), library.rowOfId(theirs));
    QCOMPARE(page->onlineModel()->index(library.rowOfId(theirs), ui::OnlineScriptsModel::ColMyRating).data().toString(),
             QStringLiteral("Скрытый"));
    QVERIFY(p.action("ScriptLibraryHide")->isChecked());
    QVERIFY(!p.action("ScriptLibraryRate4")->isChecked());
    QVERIFY(p.enabled("ScriptLibraryRate0"));

    // "Скрытые" lists it; the filter is stored at once.
    emit page->onlineFilter()->activated(0);
    QCOMPARE(page->onlineModel()->rowCount(), 1);
    core::IniFile state(p.session.folder().stateFile());
    QVERIFY(state.load());
    QCOMPARE(state.readInt(core::kMainWindowSection, QStringLiteral("ScriptLibraryFilter"), -9), 0);
    page->selectOnlineRow(0);
    p.action("ScriptLibraryRate0")->trigger();
    QCOMPARE(page->onlineModel()->rowCount(), 0);
    QVERIFY(!p.enabled("ScriptLibraryRate0"));
    Program again(m_dir->path());
    QCOMPARE(again.window->scriptPage()->onlineFilter()->currentIndex(), 0);
}

void ScriptLibraryTest::theSwitchHidesThePanel()
{
    Program p(m_dir->path());
    ui::ScriptPage* page = p.window->scriptPage();
    p.showOn(page);
    QVERIFY(page->onlinePanel()->isVisible());
    p.action("ScriptLibrary")->trigger();
    QVERIFY(!page->onlinePanel()->isVisible());
    QVERIFY(!p.action("ScriptLibrary")->isChecked());
    QVERIFY(!p.enabled("ScriptLibraryRefresh"));
    QVERIFY(!p.enabled("ScriptLibraryUpload"));
    Program again(m_dir->path());
    QVERIFY(!again.session.script().library().shown());
    QVERIFY(!again.action("ScriptLibrary")->isChecked());
    again.showOn(again.window->scriptPage());
    QVERIFY(!again.window->scriptPage()->onlinePanel()->isVisible());
    again.action("ScriptLibrary")->trigger();
    QVERIFY(again.window->scriptPage()->onlinePanel()->isVisible());
}

void ScriptLibraryTest::aTakenTitleKeepsTheDialogOpen()
{
    QVERIFY(publish(person(QStringLiteral("Пётр"), QStringLiteral("petr@example.test")), QStringLiteral("Занято"),
                    true) > 0);
    Program p(m_dir->path());
    app::OnlineScripts& library = p.session.script().library();
    app::ScriptPropertiesForm form;
    form.data = library.newProperties();
    form.languages = {{1049, QStringLiteral("RUS"), QStringLiteral("русский")},
                      {1033, QStringLiteral("ENU"), QStringLiteral("English")}};
    form.appName = QStringLiteral("Vertoma_5x54");
    form.check = [&library](const online::tScriptData& d) { return library.checkProperties(d); };
    ui::ScriptPropertiesDialog dialog(form);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* title = dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"));
    auto* author = dialog.findChild<QLineEdit*>(QStringLiteral("edClName"));
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(title && author && ok);
    QCOMPARE(title->maxLength(), 64);
    QCOMPARE(author->maxLength(), 64);
    QCOMPARE(author->text(), QStringLiteral("Я"));
    QCOMPARE(ok->toolTip(), QStringLiteral("Отправить сценарий на сервер"));
    QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("rbSingleApp"))->text(),
             QStringLiteral("Только в \"Vertoma_5x54\""));

    title->setText(QStringLiteral(" занято "));
    ok->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(p.io.messageTexts(app::MessageKind::Attention).value(0),
             QStringLiteral("Сценарий с таким названием уже существует!\nВыберите другое название."));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(title));

    title->setText(QStringLiteral(" Свободно "));
    author->setText(QStringLiteral("  "));
    ok->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(author));

    author->setText(QStringLiteral(" Автор "));
    dialog.findChild<QComboBox*>(QStringLiteral("cbClLcid"))->setCurrentIndex(1);
    dialog.findChild<QRadioButton*>(QStringLiteral("rbPrivate"))->setChecked(true);
    dialog.findChild<QRadioButton*>(QStringLiteral("rbAnyApp"))->setChecked(true);
    dialog.findChild<QPlainTextEdit*>(QStringLiteral("edDescr"))->setPlainText(QStringLiteral("строка 1\nстрока 2"));
    ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const online::tScriptData edited = dialog.edited();
    QCOMPARE(edited.id, -1);
    QCOMPARE(edited.title, QStringLiteral("Свободно"));
    QCOMPARE(edited.author, QStringLiteral("Автор"));
    QCOMPARE(edited.lcid, 1033);
    QVERIFY(!edited.publics);
    QVERIFY(edited.universal);
    QCOMPARE(edited.descr, QStringLiteral("строка 1\nстрока 2"));
}

void ScriptLibraryTest::readOnlyDialogAndUnknownLanguage()
{
    app::ScriptPropertiesForm form;
    form.data.id = 5;
    form.data.title = QStringLiteral("Чужой");
    form.data.lcid = 1031;
    form.data.universal = true;
    form.editable = false;
    form.languages = {{1049, QStringLiteral("RUS"), QStringLiteral("русский")}};
    form.appName = QStringLiteral("Vertoma_5x54");
    ui::ScriptPropertiesDialog dialog(form);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Свойства сценария"));
    QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"))->isReadOnly());
    QVERIFY(dialog.findChild<QPlainTextEdit*>(QStringLiteral("edDescr"))->isReadOnly());
    QVERIFY(!dialog.findChild<QGroupBox*>(QStringLiteral("rgAppMode"))->isEnabled());
    QVERIFY(!dialog.findChild<QComboBox*>(QStringLiteral("cbClLcid"))->isEnabled());
    QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("rbAnyApp"))->isChecked());
    auto* box = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(!box->button(QDialogButtonBox::Ok)->isVisible());
    QVERIFY(box->button(QDialogButtonBox::Cancel)->isDefault());
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->toolTip(), QStringLiteral("Закрыть окно"));
    // A language the program does not have shows as the built-in one.
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cbClLcid"))->currentData().toInt(), 1049);
    dialog.accept();
    QVERIFY(dialog.isVisible());
}

void ScriptLibraryTest::ratesWindowKeepsItsColumns()
{
    const QString state = m_dir->filePath(QStringLiteral("Vertoma_5x54.frm"));
    online::tScriptRate r;
    r.cl_name = QStringLiteral("Анна");
    r.rate = QStringLiteral("5");
    r.created = QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6));
    r.app_name = QStringLiteral("Vertoma_5x54");
    r.app_ver = QStringLiteral("1.0");
    r.notes = QStringLiteral("Отлично");
    {
        ui::RatesWindow window({r, r}, state);
        QCOMPARE(window.windowTitle(), QStringLiteral("Оценки пользователей"));
        QTableWidget* list = window.list();
        QCOMPARE(list->objectName(), QStringLiteral("lvRates"));
        QCOMPARE(list->rowCount(), 2);
        QStringList headers;
        for (int c = 0; c < list->columnCount(); ++c)
            headers << list->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{QStringLiteral("Имя"), QStringLiteral("Оценка"), QStringLiteral("Дата"),
                                       QStringLiteral("Программа"), QStringLiteral("Версия"),
                                       QStringLiteral("Комментарии")}));
        QCOMPARE(list->item(0, 2)->text(), QStringLiteral("2026-02-03 04:05:06"));
        QCOMPARE(list->item(1, 5)->text(), QStringLiteral("Отлично"));
        QCOMPARE(window.closeButton()->text(), QStringLiteral("Закрыть"));
        QCOMPARE(window.closeButton()->toolTip(), QStringLiteral("Закрыть окно"));
        list->setColumnWidth(5, 333);
    }
    ui::RatesWindow again({}, state);
    QCOMPARE(again.list()->columnWidth(5), 333);
    QCOMPARE(again.list()->rowCount(), 0);
}

QTEST_MAIN(ScriptLibraryTest)
#include "scriptlibrary_test.moc"
