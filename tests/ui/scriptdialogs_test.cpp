// The line editor and "Количество тестов", on their own and through the desktop's door to the
// person.

#include "StakesFixture.h"
#include "app/StatisticsController.h"
#include "combos/Filters.h"
#include "scripts/ScriptLine.h"
#include "ui/QtUserIo.h"
#include "ui/ScriptLineDialog.h"
#include "ui/TestCountDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace {

struct Controls
{
    explicit Controls(QDialog& d)
        : start(d.findChild<QComboBox*>(QStringLiteral("cbStartCombsType"))),
          exclude(d.findChild<QSpinBox*>(QStringLiteral("edDrawsExclude"))),
          mode(d.findChild<QComboBox*>(QStringLiteral("cbResultCombsMode"))),
          clear(d.findChild<QCheckBox*>(QStringLiteral("cbClearStakes"))),
          newOnly(d.findChild<QCheckBox*>(QStringLiteral("cbNewOnly"))),
          comments(d.findChild<QLineEdit*>(QStringLiteral("edComments")))
    {
        for (int k = 1; k <= 7; ++k) {
            filters << d.findChild<QLineEdit*>(QStringLiteral("edFilter%1").arg(k));
            buttons << d.findChild<QToolButton*>(QStringLiteral("btnFilter%1").arg(k));
        }
    }
    bool complete() const
    {
        return start && exclude && mode && clear && newOnly && comments && !filters.contains(nullptr) &&
               !buttons.contains(nullptr);
    }
    QStringList filterTexts() const
    {
        QStringList texts;
        for (const QLineEdit* f : filters)
            texts << f->text();
        return texts;
    }

    QComboBox* start;
    QSpinBox* exclude;
    QComboBox* mode;
    QCheckBox* clear;
    QCheckBox* newOnly;
    QLineEdit* comments;
    QList<QLineEdit*> filters;
    QList<QToolButton*> buttons;
};

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QString labelFor(const QDialog& dialog, const QWidget* buddy)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() == buddy)
            return label->text();
    }
    return {};
}

// Runs the action on the modal dialog the code under test is about to open; a dialog the action
// left open (a failed check) is cancelled, so a failure never hangs the test.
void onModal(const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(0, qApp, [act] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal.data()); dialog && dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

class ScriptDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lineEditorOutline();
    void newLineTakesTheDefaults();
    void givenLineFillsEveryControl();
    void filterButtonsAndDoubleClicks();
    void testCountDialog();
    void throughTheDesktopDoor();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<stakestest::Program> m_program;
};

void ScriptDialogsTest::initTestCase()
{
    m_dir = stakestest::MakeDataFolder();
    QVERIFY(m_dir);
    m_program = std::make_unique<stakestest::Program>(m_dir->path());
}

void ScriptDialogsTest::lineEditorOutline()
{
    ui::ScriptLineDialog dialog(QStringLiteral("Создание новой строки"), QString(), 0,
                                m_program->session.statistics().list(), {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Создание новой строки"));
    Controls c(dialog);
    QVERIFY(c.complete());
    QCOMPARE(items(c.start), (QStringList{QStringLiteral("Исходный список (рекомендуется для тестов)"),
                                          QStringLiteral("Удалить N последних тиражей (для прогнозов)"),
                                          QStringLiteral("Текущий список (для последовательного выполнения)")}));
    QCOMPARE(items(c.mode), (QStringList{QStringLiteral("Выбрать одну случайную комбинацию"),
                                         QStringLiteral("Выбрать первую комбинацию в списке"),
                                         QStringLiteral("Выбрать последнюю комбинацию в списке"),
                                         QStringLiteral("Выбрать все комбинации (не рекомендуется)"),
                                         QStringLiteral("Системная игра [вся система]"),
                                         QStringLiteral("Системная игра [система * комбинации]"),
                                         QStringLiteral("Остановить выполнение сценария"),
                                         QStringLiteral("Пропустить (игнорировать) эту ставку"),
                                         QStringLiteral("Не делать ставок (для последовательного выполнения)")}));
    QCOMPARE(c.exclude->minimum(), 0);
    QCOMPARE(c.exclude->maximum(), 2147483647);

    QCOMPARE(labelFor(dialog, c.start), QStringLiteral("Начальный список комбинаций:"));
    QCOMPARE(labelFor(dialog, c.exclude), QStringLiteral("Кол-во тиражей:"));
    QCOMPARE(labelFor(dialog, c.mode),
             QStringLiteral("В случае неоднозначного результата после применения фильтров:"));
    QCOMPARE(labelFor(dialog, c.comments), QStringLiteral("Комментарии:"));
    QCOMPARE(c.clear->text(), QStringLiteral("Удалить все ставки перед выполнением (накопление только рейтинга)"));
    QCOMPARE(c.newOnly->text(),
             QStringLiteral("Только новые ставки (пропускать те ставки, которые уже есть в списке)"));

    QCOMPARE(c.start->toolTip(), QStringLiteral("Начальный список комбинаций"));
    QCOMPARE(c.exclude->toolTip(), QStringLiteral("Исключить указанное количество тиражей из списка комбинаций "
                                                  "перед применением фильтров"));
    QCOMPARE(c.mode->toolTip(),
             QStringLiteral("В случае неоднозначного результата после применения фильтров выполнить действие"));
    QCOMPARE(c.clear->toolTip(),
             QStringLiteral("Перед выполнением строки будет очищен файл ставок (для очень \"массивных\" сценариев, "
                            "дающих огромное количество ставок за раз)\nНа накопление рейтинга не влияет"));
    QCOMPARE(c.newOnly->toolTip(),
             QStringLiteral("Если комбинация уже есть в списке ставок, то она не будет добавлена в список ставок"));
    QCOMPARE(c.comments->toolTip(), QStringLiteral("Комментарии (можно оставить пустым)"));
    for (int k = 1; k <= 7; ++k) {
        QCOMPARE(labelFor(dialog, c.filters[k - 1]), QStringLiteral("Фильтр %1:").arg(k));
        QCOMPARE(c.filters[k - 1]->toolTip(), QStringLiteral("Фильтр %1").arg(k));
        QCOMPARE(c.buttons[k - 1]->text(), QStringLiteral("..."));
        QCOMPARE(c.buttons[k - 1]->toolTip(), QStringLiteral("Редактировать фильтр"));
    }
}

void ScriptDialogsTest::newLineTakesTheDefaults()
{
    ui::ScriptLineDialog dialog(QStringLiteral("Создание новой строки"), QString(), 7,
                                m_program->session.statistics().list(), {});
    Controls c(dialog);
    QCOMPARE(c.start->currentIndex(), 0);
    QCOMPARE(c.exclude->value(), 7);
    QCOMPARE(c.mode->currentIndex(), 0);
    QVERIFY(!c.clear->isChecked());
    QVERIFY(!c.newOnly->isChecked());
    QCOMPARE(c.filterTexts(), QStringList(7, QString()));
    QVERIFY(c.comments->text().isEmpty());
    // The excluded draws are stored whatever the start list; every unused filter is one blank
    // and a line without a comment ends with the separator.
    QCOMPARE(dialog.line(), QStringLiteral("FULL:7#RAND| | | | | | | |"));

    // Filters only in fields 2 and 5 keep their places.
    c.start->setCurrentIndex(1);
    c.mode->setCurrentIndex(7);
    c.newOnly->setChecked(true);
    c.filters[1]->setText(QStringLiteral("  TSD1#NUMS:10#LMV:5#SF:1 "));
    c.filters[4]->setText(QStringLiteral("BMF2#SUMS:20"));
    c.comments->setText(QStringLiteral("вторая и пятая"));
    const QString line = dialog.line();
    QCOMPARE(line, QStringLiteral("EXCL:7#SKIP#NEX| |TSD1#NUMS:10#LMV:5#SF:1| | |BMF2#SUMS:20| | |вторая и пятая"));
    QCOMPARE(scripts::ScriptLineField(line, 3), QStringLiteral("TSD1#NUMS:10#LMV:5#SF:1"));
    QCOMPARE(scripts::ScriptLineField(line, 6), QStringLiteral("BMF2#SUMS:20"));
}

void ScriptDialogsTest::givenLineFillsEveryControl()
{
    // Codes in any case; the stored count replaces the default.
    const QString given = QStringLiteral("EXCL:12#last#clr#nex|TSD1#nums:10| | | | | |TSD0#XXXX:3|мой комментарий");
    ui::ScriptLineDialog dialog(QStringLiteral("Редактирование строки"), given, 3,
                                m_program->session.statistics().list(), {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Редактирование строки"));
    Controls c(dialog);
    QCOMPARE(c.start->currentIndex(), 1);
    QCOMPARE(c.exclude->value(), 12);
    QCOMPARE(c.mode->currentIndex(), 2);
    QVERIFY(c.clear->isChecked());
    QVERIFY(c.newOnly->isChecked());
    // The filters as stored, not in their normal form.
    QCOMPARE(c.filterTexts(), (QStringList{QStringLiteral("TSD1#nums:10"), {}, {}, {}, {}, {},
                                           QStringLiteral("TSD0#XXXX:3")}));
    QCOMPARE(c.comments->text(), QStringLiteral("мой комментарий"));
    QCOMPARE(dialog.line(), QStringLiteral("EXCL:12#LAST#CLR#NEX|TSD1#nums:10| | | | | |TSD0#XXXX:3|мой комментарий"));

    c.start->setCurrentIndex(2);
    c.clear->setChecked(false);
    c.mode->setCurrentIndex(8);
    c.comments->clear();
    QCOMPARE(dialog.line(), QStringLiteral("CURR:12#NONE#NEX|TSD1#nums:10| | | | | |TSD0#XXXX:3|"));
}

void ScriptDialogsTest::filterButtonsAndDoubleClicks()
{
    QList<combos::TFilterItem> opened;
    std::optional<combos::TFilterItem> answer;
    ui::ScriptLineDialog dialog(QStringLiteral("Создание новой строки"), QString(), 0,
                                m_program->session.statistics().list(), [&](combos::TFilterItem& item) {
                                    opened << item;
                                    if (!answer)
                                        return false;
                                    item = *answer;
                                    return true;
                                });
    Controls c(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // The field is parsed before the dialog sees it; the edited filter comes back in normal form.
    c.filters[2]->setText(QStringLiteral("TMF4#nums:10-20;5#lmv:3"));
    combos::TFilterItem edited =
        combos::FilterItemParse(QStringLiteral("TSD1#NUMS:10"), m_program->session.statistics().list());
    edited.Condition = 1;
    edited.ConditionText = QStringLiteral("5");
    edited.StopValue = 2;
    answer = edited;
    QTest::mouseClick(c.buttons[2], Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened[0].Enabled);
    QVERIFY(opened[0].MultiSelect && opened[0].Keep && !opened[0].BottomUp);
    QCOMPARE(opened[0].SortColumn, 4);
    QCOMPARE(opened[0].MethodCode, QStringLiteral("NUMS"));
    QCOMPARE(opened[0].DrawsText, QStringLiteral("10-20;5"));
    QCOMPARE(opened[0].ConditionText, QStringLiteral("3"));
    QCOMPARE(c.filters[2]->text(), QStringLiteral("TSD1#NUMS:10#LMV:5#SF:2"));

    // Cancelled: the field stays as it was.
    answer.reset();
    QTest::mouseClick(c.buttons[0], Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    QVERIFY(!opened[1].Enabled);
    QVERIFY(c.filters[0]->text().isEmpty());

    // A double click in filter 6 opens the dialog on that field.
    c.filters[5]->setText(QStringLiteral("TSD1#SUMS:30"));
    answer = combos::FilterItemParse(QStringLiteral("BSD1#SUMS:40"), m_program->session.statistics().list());
    QTest::mouseDClick(c.filters[5], Qt::LeftButton);
    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened[2].DrawsText, QStringLiteral("30"));
    QCOMPARE(c.filters[5]->text(), QStringLiteral("BSD1#SUMS:40#LNO:#SF:0"));
    // Other fields are untouched.
    QCOMPARE(c.filters[2]->text(), QStringLiteral("TSD1#NUMS:10#LMV:5#SF:2"));
    QCOMPARE(scripts::ScriptLineField(dialog.line(), 7), QStringLiteral("BSD1#SUMS:40#LNO:#SF:0"));
}

void ScriptDialogsTest::testCountDialog()
{
    ui::TestCountDialog dialog(1113);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Количество тестов"));
    auto* count = dialog.findChild<QSpinBox*>(QStringLiteral("edTestCount"));
    QVERIFY(count);
    QCOMPARE(labelFor(dialog, count), QStringLiteral("Укажите количество тестов:"));
    QCOMPARE(count->toolTip(),
             QStringLiteral("Укажите количество последних тиражей, на которых будет производится тестирование"));
    QCOMPARE(count->minimum(), 1);
    QCOMPARE(count->maximum(), 1113);
    QCOMPARE(count->value(), 10);
    QCOMPARE(dialog.count(), 10);
    count->setValue(2000);
    QCOMPARE(dialog.count(), 1113);

    // Fewer draws than the default: the default is cut to the most there is.
    ui::TestCountDialog small(4);
    QCOMPARE(small.count(), 4);
    count = small.findChild<QSpinBox*>(QStringLiteral("edTestCount"));
    count->setValue(0);
    QCOMPARE(small.count(), 1);
}

void ScriptDialogsTest::throughTheDesktopDoor()
{
    ui::QtUserIo door;
    door.setSession(&m_program->session);

    // The count dialog: OK gives the box's value, Cancel gives 0.
    onModal([](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Количество тестов"));
        modal->findChild<QSpinBox*>(QStringLiteral("edTestCount"))->setValue(25);
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(door.askTestCount(100), 25);
    onModal([](QWidget* modal) { modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); });
    QCOMPARE(door.askTestCount(100), 0);

    // The line editor: its "..." buttons go through the session's filter dialog, which asks the
    // session's own door (here the scripted person).
    testsupport::FakeUserIo& person = m_program->io;
    person.filterEdits.enqueue(
        combos::FilterItemParse(QStringLiteral("TSD1#NUMS:10#LMV:5#SF:1"), m_program->session.statistics().list()));
    onModal([](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Редактирование строки"));
        modal->findChild<QToolButton*>(QStringLiteral("btnFilter2"))->click();
        modal->findChild<QLineEdit*>(QStringLiteral("edComments"))->setText(QStringLiteral("новый"));
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QString line = QStringLiteral("FULL:0#FIRST|TSD1#SUMS:20| | | | | | |старый");
    QVERIFY(door.editScriptLine(line, QStringLiteral("Редактирование строки"), 5));
    QCOMPARE(person.filterDialogItems.size(), 1);
    QVERIFY(!person.filterDialogItems[0].Enabled);
    QCOMPARE(line, QStringLiteral("FULL:0#FIRST|TSD1#SUMS:20|TSD1#NUMS:10#LMV:5#SF:1| | | | | |новый"));

    // Cancelled: the line is left alone.
    onModal([](QWidget* modal) { modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); });
    const QString before = line;
    QVERIFY(!door.editScriptLine(line, QStringLiteral("Создание новой строки"), 5));
    QCOMPARE(line, before);
}

QTEST_MAIN(ScriptDialogsTest)
#include "scriptdialogs_test.moc"
