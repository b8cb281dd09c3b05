#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"
#include "ui/FilterInfoWindow.h"
#include "ui/FiltersManagerDialog.h"
#include "ui/MainWindow.h"
#include "ui/QtUserIo.h"
#include "ui/StatPage.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <set>

namespace {

const char* const kManagerActions[] = {"CheckNone", "CheckAll", "GroupNone",   "GroupAll",   "Rename",
                                       "ResetName", "Info",     "NamesImport", "NamesExport"};

struct Program
{
    explicit Program(const QString& dir) : session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir))
    {
        session.create();
    }
    void openWindow() { window = std::make_unique<ui::MainWindow>(session, languages); }

    const stats::TStatList& list() const { return session.statistics().list(); }
    int indexOf(const char* code) const { return list().IndexOfCode(QString::fromLatin1(code)); }
    // The manager on a copy of the list, its tree model under the model tester.
    ui::FiltersManagerDialog* manager()
    {
        tester.reset();
        dialog =
            std::make_unique<ui::FiltersManagerDialog>(list(), io, session.folder(), session.statistics().helpFile());
        tester = std::make_unique<QAbstractItemModelTester>(dialog->tree()->model(),
                                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        return dialog.get();
    }

    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session;
    std::unique_ptr<ui::MainWindow> window;
    std::unique_ptr<ui::FiltersManagerDialog> dialog;
    // Declared last: it lets go of the model before the dialog is destroyed.
    std::unique_ptr<QAbstractItemModelTester> tester;
};

QTreeWidgetItem* nodeOf(const ui::FiltersManagerDialog& dialog, int method)
{
    QTreeWidget* tree = dialog.tree();
    for (int g = 0; g < tree->topLevelItemCount(); ++g)
        for (int c = 0; c < tree->topLevelItem(g)->childCount(); ++c)
            if (tree->topLevelItem(g)->child(c)->data(0, ui::FiltersManagerDialog::MethodRole).toInt() == method)
                return tree->topLevelItem(g)->child(c);
    return nullptr;
}

void select(QTreeWidgetItem* item)
{
    item->treeWidget()->clearSelection();
    item->setSelected(true);
}

int tickedCount(const ui::FiltersManagerDialog& dialog)
{
    int ticked = 0;
    QTreeWidget* tree = dialog.tree();
    for (int g = 0; g < tree->topLevelItemCount(); ++g)
        for (int c = 0; c < tree->topLevelItem(g)->childCount(); ++c)
            ticked += ui::FiltersManagerDialog::isTicked(tree->topLevelItem(g)->child(c)) ? 1 : 0;
    return ticked;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class FiltersManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void treeShowsTheGroupsAndMethods();
    void actionsFollowTheSelection();
    void clicksAndCommandsTick();
    void renameAndDefaultNames();
    void renameAsksInItsOwnBox();
    void okCollectsAndCancelChangesNothing();
    void namesTravelThroughFiles();
    void descriptionWindowShowsThePage();
    void mainWindowCommands();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void FiltersManagerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void FiltersManagerTest::treeShowsTheGroupsAndMethods()
{
    Program p(m_dir->path());
    // Some favourites and a name of its own, so the tree has something to show.
    stats::TStatList& list = p.session.statistics().list();
    for (int i = 0; i < list.Count(); ++i)
        list.Items(i).Favorite = i % 3 == 0;
    list.AllFavorites = false;
    list.Items(p.indexOf("POS2")).UserName = QStringLiteral("Мой метод");
    list.Ordered = true;
    list.ShowGroupName = false;
    list.ShowMethodFlags = true;

    auto dialog = p.manager();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Менеджер избранных методов расчета статистики"));
    QTreeWidget* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("tvFilters"));
    QCOMPARE(tree, dialog->tree());

    // One group per category in order of first need, the methods under it in list order.
    std::vector<int> categories;
    std::vector<std::vector<int>> members;
    for (int i = 0; i < list.Count(); ++i) {
        const int category = list.Items(i).Class->Category;
        auto at = std::find(categories.begin(), categories.end(), category);
        if (at == categories.end()) {
            categories.push_back(category);
            members.emplace_back();
            at = categories.end() - 1;
        }
        members[std::size_t(at - categories.begin())].push_back(i);
    }
    QVERIFY(categories.size() > 5);
    QCOMPARE(tree->topLevelItemCount(), int(categories.size()));
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree->topLevelItem(g);
        QCOMPARE(group->text(0), stats::TStatList::GetCategoryCaption(categories[std::size_t(g)]));
        QCOMPARE(group->data(0, ui::FiltersManagerDialog::MethodRole).toInt(), -1);
        QVERIFY(group->isExpanded());
        QVERIFY(!group->icon(0).isNull());
        const std::vector<int>& expected = members[std::size_t(g)];
        QCOMPARE(group->childCount(), int(expected.size()));
        for (int c = 0; c < group->childCount(); ++c) {
            QTreeWidgetItem* node = group->child(c);
            const int method = expected[std::size_t(c)];
            QCOMPARE(node->data(0, ui::FiltersManagerDialog::MethodRole).toInt(), method);
            QCOMPARE(node->text(0), list.Items(method).GetCaptionText());
            QCOMPARE(ui::FiltersManagerDialog::isTicked(node), list.Items(method).Favorite);
        }
    }
    QCOMPARE(nodeOf(*dialog, p.indexOf("POS2"))->text(0), QStringLiteral("Мой метод"));
    // Ticked and unticked nodes carry different icons.
    const QImage on = nodeOf(*dialog, 0)->icon(0).pixmap(16).toImage();
    const QImage off = nodeOf(*dialog, 1)->icon(0).pixmap(16).toImage();
    QVERIFY(on != off);

    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblCount"))->text(),
             QStringLiteral("всего %1 методов").arg(list.Count()));
    QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("cbSortOnName"))->isChecked());
    QVERIFY(!dialog->findChild<QCheckBox*>(QStringLiteral("cbShowGroupName"))->isChecked());
    QVERIFY(dialog->findChild<QCheckBox*>(QStringLiteral("cbShowFlags"))->isChecked());
    QCOMPARE(dialog->findChild<QCheckBox*>(QStringLiteral("cbShowFlags"))->text(),
             QStringLiteral("Отображать особенности метода [ YYY ] после названия метода"));
    auto* options = dialog->findChild<QGroupBox*>(QStringLiteral("gbOptions"));
    QCOMPARE(options->title(), QStringLiteral(" Параметры вывода наименований в списках методов расчета статистики "));
}

void FiltersManagerTest::actionsFollowTheSelection()
{
    Program p(m_dir->path());
    auto dialog = p.manager();
    const std::pair<const char*, std::pair<QString, QString>> texts[] = {
        {"CheckNone", {QStringLiteral("Сбросить все"), QStringLiteral("Снять отметки со всех фильтров")}},
        {"CheckAll", {QStringLiteral("Выбрать все"), QStringLiteral("Поставить отметки у всех фильтров")}},
        {"GroupNone", {QStringLiteral("Сбросить группу"), QStringLiteral("Снять отметки со всех фильтров группы")}},
        {"GroupAll", {QStringLiteral("Выбрать группу"), QStringLiteral("Поставить отметки у всех фильтров группы")}},
        {"Rename", {QStringLiteral("Переименовать"), QStringLiteral("Переименовать фильтр")}},
        {"ResetName", {QStringLiteral("Вернуть"), QStringLiteral("Вернуть наименование \"по умолчанию\"")}},
        {"Info",
         {QStringLiteral("Описание"), QStringLiteral("Справочная информация о выделенном методе расчета статистики")}},
        {"NamesImport", {QStringLiteral("Импорт названий"), QStringLiteral("Импорт названий фильтров из файла")}},
        {"NamesExport", {QStringLiteral("Экспорт названий"), QStringLiteral("Экспорт названий фильтров в файл")}},
    };
    for (const auto& [name, text] : texts) {
        QAction* a = dialog->action(QString::fromLatin1(name));
        QVERIFY2(a, name);
        QCOMPARE(a->text(), text.first);
        QCOMPARE(a->toolTip(), text.second);
        QVERIFY2(dialog->tree()->actions().contains(a), name);
        QVERIFY2(dialog->findChild<QAbstractButton*>(QStringLiteral("btn") + QString::fromLatin1(name)), name);
    }
    auto enabled = [&] {
        QStringList names;
        for (const char* name : kManagerActions)
            if (dialog->action(QString::fromLatin1(name))->isEnabled())
                names << QString::fromLatin1(name);
        return names;
    };
    const QStringList always{QStringLiteral("CheckNone"), QStringLiteral("CheckAll"), QStringLiteral("NamesImport"),
                             QStringLiteral("NamesExport")};
    QCOMPARE(enabled(), always);
    select(dialog->tree()->topLevelItem(0));
    QCOMPARE(enabled(),
             (QStringList{QStringLiteral("CheckNone"), QStringLiteral("CheckAll"), QStringLiteral("GroupNone"),
                          QStringLiteral("GroupAll"), QStringLiteral("NamesImport"), QStringLiteral("NamesExport")}));
    select(nodeOf(*dialog, 0));
    QCOMPARE(enabled().size(), 9);
    dialog->tree()->clearSelection();
    QCOMPARE(enabled(), always);

    // A list without methods leaves only the file commands.
    stats::TStatList empty;
    ui::FiltersManagerDialog bare(empty, p.io, p.session.folder(), QString());
    QCOMPARE(bare.tree()->topLevelItemCount(), 0);
    QVERIFY(!bare.action(QStringLiteral("CheckAll"))->isEnabled());
    QVERIFY(bare.action(QStringLiteral("NamesExport"))->isEnabled());
    QCOMPARE(bare.findChild<QLabel*>(QStringLiteral("lblCount"))->text(), QStringLiteral("всего 0 методов"));
}

void FiltersManagerTest::clicksAndCommandsTick()
{
    Program p(m_dir->path());
    auto dialog = p.manager();
    dialog->resize(800, 600);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const int all = p.list().Count();
    QCOMPARE(tickedCount(*dialog), all);

    QTreeWidget* tree = dialog->tree();
    QTreeWidgetItem* node = nodeOf(*dialog, 1);
    tree->scrollToItem(node);
    const QPoint at = tree->visualItemRect(node).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!ui::FiltersManagerDialog::isTicked(node));
    QCOMPARE(tickedCount(*dialog), all - 1);
    // The second click of a double click counts as a click of its own.
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(ui::FiltersManagerDialog::isTicked(node));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!ui::FiltersManagerDialog::isTicked(node));
    // A group node is not a method: clicking it changes no tick.
    QTreeWidgetItem* group = tree->topLevelItem(0);
    tree->scrollToItem(group);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(group).center());
    QCOMPARE(tickedCount(*dialog), all - 1);

    dialog->action(QStringLiteral("CheckNone"))->trigger();
    QCOMPARE(tickedCount(*dialog), 0);
    // The group of a selected method, then of a selected group.
    QTreeWidgetItem* second = tree->topLevelItem(1);
    select(second->child(0));
    dialog->action(QStringLiteral("GroupAll"))->trigger();
    QCOMPARE(tickedCount(*dialog), second->childCount());
    select(tree->topLevelItem(0));
    dialog->action(QStringLiteral("GroupAll"))->trigger();
    QCOMPARE(tickedCount(*dialog), second->childCount() + tree->topLevelItem(0)->childCount());
    select(second);
    dialog->action(QStringLiteral("GroupNone"))->trigger();
    QCOMPARE(tickedCount(*dialog), tree->topLevelItem(0)->childCount());
    dialog->action(QStringLiteral("CheckAll"))->trigger();
    QCOMPARE(tickedCount(*dialog), all);
}

void FiltersManagerTest::renameAndDefaultNames()
{
    Program p(m_dir->path());
    auto dialog = p.manager();
    QStringList offered;
    QQueue<std::optional<QString>> answers;
    dialog->askName = [&](const QString& current) {
        offered << current;
        return answers.isEmpty() ? std::nullopt : answers.dequeue();
    };
    const int pos2 = p.indexOf("POS2");
    const int pos3 = p.indexOf("POS3");
    const int nums = p.indexOf("NUMS");
    const QString pos2Default = p.list().Items(pos2).Class->GetCaptionFmt(p.list().Items(pos2).Param);
    QTreeWidgetItem* node2 = nodeOf(*dialog, pos2);
    select(node2);
    answers.enqueue(QStringLiteral("  Вторая позиция  "));
    dialog->action(QStringLiteral("Rename"))->trigger();
    QCOMPARE(offered, QStringList{pos2Default});
    QCOMPARE(node2->text(0), QStringLiteral("Вторая позиция"));
    // Cancel keeps the text; an empty name means the default.
    dialog->action(QStringLiteral("Rename"))->trigger();
    QCOMPARE(node2->text(0), QStringLiteral("Вторая позиция"));
    answers.enqueue(QStringLiteral("   "));
    dialog->action(QStringLiteral("Rename"))->trigger();
    QCOMPARE(node2->text(0), pos2Default);
    answers.enqueue(QStringLiteral("Снова вторая"));
    dialog->action(QStringLiteral("Rename"))->trigger();
    dialog->action(QStringLiteral("ResetName"))->trigger();
    QCOMPARE(node2->text(0), pos2Default);

    // The default caption in other letters stores no name; any other text does.
    QTreeWidgetItem* node3 = nodeOf(*dialog, pos3);
    select(node3);
    const QString pos3Default = node3->text(0);
    answers.enqueue(pos3Default.toUpper());
    dialog->action(QStringLiteral("Rename"))->trigger();
    QCOMPARE(node3->text(0), pos3Default.toUpper());
    select(nodeOf(*dialog, nums));
    answers.enqueue(QStringLiteral("Все числа"));
    dialog->action(QStringLiteral("Rename"))->trigger();

    // Info opens the description of the selected method.
    QList<int> described;
    dialog->showInfo = [&](int method) { described << method; };
    dialog->action(QStringLiteral("Info"))->trigger();
    QCOMPARE(described, QList<int>{nums});

    dialog->accept();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->list().Items(pos3).UserName, QString());
    QCOMPARE(dialog->list().Items(pos2).UserName, QString());
    QCOMPARE(dialog->list().Items(nums).UserName, QStringLiteral("Все числа"));
}

void FiltersManagerTest::renameAsksInItsOwnBox()
{
    Program p(m_dir->path());
    auto dialog = p.manager();
    QTreeWidgetItem* node = nodeOf(*dialog, p.indexOf("POS1"));
    select(node);
    QString title, label, prefilled;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        label = box->labelText();
        prefilled = box->textValue();
        box->setTextValue(QStringLiteral("Первая позиция"));
        box->accept();
    });
    const QString before = node->text(0);
    dialog->action(QStringLiteral("Rename"))->trigger();
    QCOMPARE(title, QStringLiteral("Переименование"));
    QCOMPARE(label, QStringLiteral("Введите наименование фильтра:"));
    QCOMPARE(prefilled, before);
    QCOMPARE(node->text(0), QStringLiteral("Первая позиция"));
}

void FiltersManagerTest::okCollectsAndCancelChangesNothing()
{
    Program p(m_dir->path());
    ui::QtUserIo io;
    stats::TStatList copy = p.list();
    const int nums = p.indexOf("NUMS");

    // Cancel after changes: the list stays as it was.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ui::FiltersManagerDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->action(QStringLiteral("CheckNone"))->trigger();
        dialog->findChild<QCheckBox*>(QStringLiteral("cbSortOnName"))->setChecked(true);
        nodeOf(*dialog, nums)->setText(0, QStringLiteral("Изменено"));
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!io.editFavorites(copy, p.session.folder(), QString()));
    QVERIFY(copy.AllFavorites);
    QVERIFY(!copy.Ordered);
    QCOMPARE(copy.Items(nums).UserName, QString());
    for (int i = 0; i < copy.Count(); ++i)
        QVERIFY(copy.Items(i).Favorite);

    // OK: ticks, names and boxes come back.
    const int pos1 = p.indexOf("POS1");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ui::FiltersManagerDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->action(QStringLiteral("CheckNone"))->trigger();
        nodeOf(*dialog, nums)->setData(0, ui::FiltersManagerDialog::TickRole, true);
        nodeOf(*dialog, pos1)->setData(0, ui::FiltersManagerDialog::TickRole, true);
        nodeOf(*dialog, pos1)->setText(0, QStringLiteral("Первая"));
        dialog->findChild<QCheckBox*>(QStringLiteral("cbSortOnName"))->setChecked(true);
        dialog->findChild<QCheckBox*>(QStringLiteral("cbShowGroupName"))->setChecked(false);
        dialog->findChild<QCheckBox*>(QStringLiteral("cbShowFlags"))->setChecked(false);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(io.editFavorites(copy, p.session.folder(), QString()));
    QVERIFY(!copy.AllFavorites);
    QCOMPARE(copy.GetFavoritesText(), QStringLiteral("NUMS,POS1"));
    QCOMPARE(copy.Items(pos1).UserName, QStringLiteral("Первая"));
    QVERIFY(copy.Ordered);
    QVERIFY(!copy.ShowGroupName);
    QVERIFY(!copy.ShowMethodFlags);
    // The session's own list is untouched until it takes the result.
    QVERIFY(p.list().AllFavorites);
    QCOMPARE(p.list().Items(pos1).UserName, QString());
}

void FiltersManagerTest::namesTravelThroughFiles()
{
    Program p(m_dir->path());
    const int nums = p.indexOf("NUMS");
    const int pos1 = p.indexOf("POS1");
    auto dialog = p.manager();
    nodeOf(*dialog, pos1)->setText(0, QStringLiteral("Первая"));
    nodeOf(*dialog, nums)->setData(0, ui::FiltersManagerDialog::TickRole, false);

    // Export writes every name, the defaults too, and no options.
    const QString exported = m_dir->filePath(QStringLiteral("names.flt"));
    p.io.pickedFiles.enqueue(exported);
    dialog->action(QStringLiteral("NamesExport"))->trigger();
    QCOMPARE(p.io.pickerFilters.last(), QStringLiteral("Наименования фильтров (*.flt)"));
    {
        core::IniFile ini(exported);
        QVERIFY(ini.load());
        QCOMPARE(ini.readString(QStringLiteral("STRINGS_RUS"), QStringLiteral("POS1")), QStringLiteral("Первая"));
        QCOMPARE(ini.readString(QStringLiteral("STRINGS_RUS"), QStringLiteral("NUMS")),
                 p.list().Items(nums).Class->GetCaptionFmt(0));
        QVERIFY(!ini.hasKey(QStringLiteral("FILTERS"), QStringLiteral("Favorites")));
    }
    // The tree keeps the edited names.
    QCOMPARE(nodeOf(*dialog, pos1)->text(0), QStringLiteral("Первая"));

    // Import takes the file's names and keeps the ticks made so far.
    const QString imported = m_dir->filePath(QStringLiteral("other.flt"));
    {
        core::IniFile ini(imported);
        ini.writeString(QStringLiteral("STRINGS_RUS"), QStringLiteral("POS3"), QStringLiteral("Третья"));
        QVERIFY(ini.save());
    }
    p.io.pickedFiles.enqueue(imported);
    dialog->action(QStringLiteral("NamesImport"))->trigger();
    QCOMPARE(nodeOf(*dialog, p.indexOf("POS3"))->text(0), QStringLiteral("Третья"));
    QCOMPARE(nodeOf(*dialog, pos1)->text(0), p.list().Items(pos1).GetCaptionText());
    QVERIFY(!ui::FiltersManagerDialog::isTicked(nodeOf(*dialog, nums)));
    QVERIFY(nodeOf(*dialog, nums)->isExpanded() || nodeOf(*dialog, nums)->parent()->isExpanded());

    // A cancelled picker does nothing; a broken file reports the list's message.
    dialog->action(QStringLiteral("NamesImport"))->trigger();
    QCOMPARE(nodeOf(*dialog, p.indexOf("POS3"))->text(0), QStringLiteral("Третья"));
    const QString folderAsFile = m_dir->filePath(QStringLiteral("folder.flt"));
    QVERIFY(QDir().mkpath(folderAsFile));
    p.io.pickedFiles.enqueue(folderAsFile);
    dialog->action(QStringLiteral("NamesImport"))->trigger();
    const QStringList errors = p.io.messageTexts(app::MessageKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith(QStringLiteral("Ошибка загрузки списка фильтров!\n\n")), qPrintable(errors[0]));
    QVERIFY(dialog->action(QStringLiteral("NamesImport"))->isEnabled());
}

void FiltersManagerTest::descriptionWindowShowsThePage()
{
    Program p(m_dir->path());
    const QString helpFile = m_dir->filePath(QStringLiteral("help/Numeko_RUS.html"));
    writeFile(helpFile, "<html><body>help</body></html>");
    writeFile(m_dir->filePath(QStringLiteral("help/filters/Filters_1049_POSx.htm")),
              "<html><head><meta charset=\"utf-8\"></head><body><h1>Число в позиции</h1>"
              "<p>Значение числа, стоящего в заданной позиции тиража.</p></body></html>");
    const QString state = p.session.folder().stateFile();
    const int pos2 = p.indexOf("POS2");
    const stats::TStatMethod& m = p.list().Items(pos2);
    {
        ui::FilterInfoWindow window(m.GetCaptionText(), m.Class->GetHelpTopic(m.Param, helpFile), state);
        QCOMPARE(window.windowTitle(), QStringLiteral("Описание методики расчета"));
        QVERIFY(window.hasPage());
        QVERIFY(
            window.browser()->toPlainText().contains(QStringLiteral("Значение числа, стоящего в заданной позиции")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(120, 90, 530, 410);
        window.accept();
    }
    {
        core::IniFile ini(state);
        QVERIFY(ini.load());
        QVERIFY(ini.hasKey(QStringLiteral("TFormFilterInfo"), QStringLiteral("NormPos")));
    }
    {
        // The missing page of another method: its caption and a note instead.
        const int nums = p.indexOf("NUMS");
        const stats::TStatMethod& n = p.list().Items(nums);
        ui::FilterInfoWindow window(n.GetCaptionText(), n.Class->GetHelpTopic(n.Param, helpFile), state);
        QVERIFY(!window.hasPage());
        const QString text = window.browser()->toPlainText();
        QVERIFY2(text.contains(n.GetCaptionText()), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Описание этого метода расчета статистики отсутствует.")),
                 qPrintable(text));
        // The stored size and position come back.
        QCOMPARE(window.size(), QSize(530, 410));
        QCOMPARE(window.pos(), QPoint(120, 90));
    }
    ui::FilterInfoWindow noHelp(QStringLiteral("Метод"), QString(), QString());
    QVERIFY(!noHelp.hasPage());
}

void FiltersManagerTest::mainWindowCommands()
{
    const QString archive = m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr"));
    QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), archive));
    QFile::setPermissions(archive, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    Program p(m_dir->path());
    p.session.archive().load();
    p.openWindow();
    ui::MainWindow& w = *p.window;
    QAction* manager = w.action(QStringLiteral("FiltersManager"));
    QAction* reset = w.action(QStringLiteral("FiltersReset"));
    QAction* info = w.action(QStringLiteral("FiltersInfo"));
    QVERIFY(manager && reset && info);
    QCOMPARE(manager->text(), QStringLiteral("Избранные статистики"));
    QCOMPARE(manager->statusTip(), QStringLiteral("Настройка списка избранных видов статистики (фильтров)"));
    QCOMPARE(reset->text(), QStringLiteral("Все доступные статистики"));
    QCOMPARE(reset->statusTip(), QStringLiteral("Отображать все доступные виды статистики (фильтры)"));
    QCOMPARE(info->text(), QStringLiteral("Описание статистики"));
    QCOMPARE(info->statusTip(), QStringLiteral("Сведения о выбранном методе расчета статистики"));
    QCOMPARE(info->shortcut(), QKeySequence(Qt::Key_F8));
    QMenu* menu = nullptr;
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == QStringLiteral("Статистика"))
            menu = a->menu();
    QVERIFY(menu);
    for (QAction* a : {manager, reset, info}) {
        QVERIFY(menu->actions().contains(a));
        QVERIFY(w.statPage()->table()->actions().contains(a));
    }

    // F8 follows the main selector.
    QComboBox* selector = w.statPage()->methodBox();
    QVERIFY(selector->count() > 100);
    QVERIFY(info->isEnabled());
    selector->setCurrentIndex(-1);
    QVERIFY(!info->isEnabled());
    selector->setCurrentIndex(5);
    QVERIFY(info->isEnabled());
    p.session.services().enterBusy();
    QVERIFY(!info->isEnabled());
    p.session.services().leaveBusy();
    QVERIFY(info->isEnabled());

    // After OK in the manager the selector starts again at its first entry.
    const int pos2 = p.indexOf("POS2");
    p.io.favoritesEdits.enqueue([&](stats::TStatList& edited) {
        for (int i = 0; i < edited.Count(); ++i)
            edited.Items(i).Favorite = i >= pos2 && i < pos2 + 10;
    });
    selector->setCurrentIndex(3);
    manager->trigger();
    QCOMPARE(selector->count(), 10);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(w.statPage()->selectedMethod(), pos2);
    QCOMPARE(p.session.statistics().method(), pos2);

    // A confirmed reset offers every method again from the first entry; No changes nothing.
    selector->setCurrentIndex(4);
    p.io.answers.enqueue(false);
    reset->trigger();
    QCOMPARE(selector->count(), 10);
    QCOMPARE(selector->currentIndex(), 4);
    p.io.answers.enqueue(true);
    reset->trigger();
    QVERIFY(selector->count() > 100);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(p.session.statistics().method(), w.statPage()->selectedMethod());
}

QTEST_MAIN(FiltersManagerTest)
#include "filtersmanager_test.moc"
