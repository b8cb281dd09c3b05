// The filter dialog: the controls set from an item or from the start values, the enabling of the
// weight coefficients, the key filter of the list fields, the checks on OK in their order, the
// coefficients in the locale's separators, and the edited item read back from its filter text.

#include "AnalysisParts.h"
#include "FakeUserIo.h"
#include "TestPaths.h"
#include "combos/Filters.h"
#include "core/GameMath.h"
#include "stats/StatList.h"
#include "ui/FilterDialog.h"
#include "views/StatTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

const stats::TStatList& methods()
{
    static const stats::TStatList list = [] {
        stats::TStatList l;
        l.Fill();
        return l;
    }();
    return list;
}

// The first method the selector offers whose class does (or does not) allow value lists.
int offeredMethod(bool valueList)
{
    for (int m : methods().SelectorMethods(false)) {
        if (methods().Items(m).Class->AllowsValueList() == valueList)
            return m;
    }
    qFatal("no offered method with valueList=%d", int(valueList));
}

template <typename T> T* child(QWidget& dialog, const QString& name)
{
    T* w = dialog.findChild<T*>(name);
    if (!w)
        qFatal("no child %s", qPrintable(name));
    return w;
}

core::TCdlData configCdl()
{
    return {0.25L, -2.5L, 3.125L, true, false};
}

ui::FilterDialogStart startAt(int method, int draws)
{
    ui::FilterDialogStart s;
    s.Method = method;
    s.DrawsCount = draws;
    s.Cdl = configCdl();
    return s;
}

combos::TFilterItem parse(const QString& text)
{
    return combos::FilterItemParse(text, methods());
}

// The dialog on the screen, its refusals collected.
struct Opened
{
    explicit Opened(const combos::TFilterItem& item, const ui::FilterDialogStart& start = startAt(-1, 100))
        : dialog(item, methods(), start)
    {
        dialog.showError = [this](const QString& e) { errors << e; };
        dialog.show();
        dialog.activateWindow();
    }
    template <typename T> T* get(const char* name) { return child<T>(dialog, QLatin1String(name)); }
    QComboBox* box(const char* name) { return get<QComboBox>(name); }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    QCheckBox* check(const char* name) { return get<QCheckBox>(name); }
    void selectMethod(int method)
    {
        QComboBox* b = box("cbDrawsStatType");
        const int entry = b->findData(method);
        QVERIFY(entry >= 0);
        b->setCurrentIndex(entry);
    }
    void clickOk() { get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Ok)->click(); }
    bool accepted() const { return dialog.result() == QDialog::Accepted; }

    ui::FilterDialog dialog;
    QStringList errors;
};

const QString kBadRange = u"Введен некорректный диапазон значений!"_s;
const QString kNoValueList = u"Для данного вида статистики не доступен режим выделения по списку значений!"_s;
const QString kMultiStop = u"В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может "
                           u"быть выполнена!\nВыберите другой способ останова."_s;

// The Russian locale groups thousands with a no-break space and writes a decimal comma.
const QString kNbsp = QString(QChar(0x00A0));

} // namespace

class FilterDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void captionsAndEntries()
    {
        Opened o(combos::TFilterItem{});
        QCOMPARE(o.dialog.windowTitle(), u"Фильтр"_s);

        // The statistic entries are those of the main window's selector, in its order.
        QComboBox* stat = o.box("cbDrawsStatType");
        const std::vector<int> offered = methods().SelectorMethods(false);
        QCOMPARE(stat->count(), int(offered.size()));
        for (int i = 0; i < stat->count(); ++i) {
            QCOMPARE(stat->itemData(i).toInt(), offered[std::size_t(i)]);
            QCOMPARE(stat->itemText(i), methods().GetDisplayName(offered[std::size_t(i)], true));
        }

        QComboBox* order = o.box("cbDrawsSortOrder");
        const QStringList columns = views::StatColumnCaptions();
        QCOMPARE(order->count(), views::StatColumnCount);
        for (int i = 0; i < order->count(); ++i)
            QCOMPARE(order->itemText(i), columns[i]);
        QCOMPARE(order->itemText(8), u"Вес"_s);

        QComboBox* direction = o.box("cbDirection");
        QCOMPARE(direction->itemText(0), u"Сверху-вниз"_s);
        QCOMPARE(direction->itemText(1), u"Снизу-вверх"_s);
        QComboBox* mode = o.box("cbFilterMode");
        QCOMPARE(mode->itemText(0), u"Удалить выделенные"_s);
        QCOMPARE(mode->itemText(1), u"Оставить выделенные"_s);

        QComboBox* condition = o.box("cbLevelMode");
        QCOMPARE(condition->count(), 32);
        QCOMPARE(condition->itemText(0), u"Весь список (без условий)"_s);
        QCOMPARE(condition->itemText(19), u"\"Вес\": не менее заданного значения"_s);
        QCOMPARE(condition->itemText(31), u"\"Значения\": из заданного списка значений"_s);
        QComboBox* stop = o.box("cbStopMode");
        QCOMPARE(stop->count(), 6);
        QCOMPARE(stop->itemText(1), u"Количеству оставшихся комбинаций"_s);
        QCOMPARE(stop->itemText(5), u"Процентному соотношению в списке статистики"_s);

        QCOMPARE(o.check("cbMultiSelect")->text(),
                 u"Использовать режим одновременного выделения нескольких значений в списке"_s);
        QCOMPARE(o.check("cbCDLOverride")->text(),
                 u"Использовать приведенные ниже коэффициенты для расчета значений \"Вес\""_s);
        QCOMPARE(o.check("cbCoefPercents")->text(), u"Использовать значения в %"_s);
        QCOMPARE(o.check("cbCoefAbs")->text(), u"Использовать абсолютные значения"_s);
        QCOMPARE(o.get<QGroupBox>("gbCoefficients")->title(), u" Коэффициенты для расчета значений \"Вес\" "_s);
        QCOMPARE(o.edit("edDrawsLen")->toolTip(),
                 u"Количество тиражей для расчета статистики\n\nДопустимые форматы:\n1 - одно значение\n1, 2, 3 - "
                 u"список значений через запятую\n1-10;2 - нижняя и верхняя граница диапазона; шаг изменения"_s);
        QVERIFY(o.edit("edLevelValue")->toolTip().startsWith(u"Учитываемые значения глубины\n\nДопустимые форматы:"_s));
        QCOMPARE(o.get<QSpinBox>("edStopValue")->minimum(), 1);
        QCOMPARE(o.get<QSpinBox>("edStopValue")->maximum(), 2147483647);
    }

    void controlsFromAnEnabledItem()
    {
        const int sum2 = methods().IndexOfCode(u"SUM2"_s);
        QVERIFY(sum2 >= 0);
        const int start = offeredMethod(true);
        QVERIFY(start != sum2);
        Opened o(parse(u"BMF8#SUM2:10-20;5#WDV:1,2#ST:7#0.5:-1.25:1234.5:1:0"_s), startAt(start, 300));
        QCOMPARE(o.box("cbDrawsStatType")->currentData().toInt(), sum2);
        QCOMPARE(o.box("cbDrawsStatType")->currentText(), methods().GetDisplayName(sum2, true));
        QCOMPARE(o.edit("edDrawsLen")->text(), u"10-20;5"_s);
        QCOMPARE(o.box("cbDrawsSortOrder")->currentIndex(), 8);
        QCOMPARE(o.box("cbDirection")->currentIndex(), 1);
        QCOMPARE(o.box("cbFilterMode")->currentIndex(), 1);
        QVERIFY(o.check("cbMultiSelect")->isChecked());
        QCOMPARE(o.box("cbLevelMode")->currentIndex(), 21);
        QCOMPARE(o.edit("edLevelValue")->text(), u"1,2"_s);
        QVERIFY(o.check("cbCDLOverride")->isChecked());
        QCOMPARE(o.edit("edCoefCount")->text(), u"0,500"_s);
        QCOMPARE(o.edit("edCoefDeviation")->text(), u"-1,250"_s);
        QCOMPARE(o.edit("edCoefLevel")->text(), u"1"_s + kNbsp + u"234,500"_s);
        QVERIFY(o.check("cbCoefPercents")->isChecked());
        QVERIFY(!o.check("cbCoefAbs")->isChecked());
        QCOMPARE(o.box("cbStopMode")->currentIndex(), 3);
        QCOMPARE(o.get<QSpinBox>("edStopValue")->value(), 7);

        // Without coefficients of its own the item shows the configuration's; empty draws and
        // values leave the start texts; a statistic the list does not know gives the first entry.
        combos::TFilterItem bare = parse(u"TSD2#XXXX:5#LMV:#SV:4"_s);
        QCOMPARE(bare.Method, -1);
        Opened b(bare, startAt(start, 300));
        QCOMPARE(b.box("cbDrawsStatType")->currentIndex(), 0);
        QCOMPARE(b.edit("edDrawsLen")->text(), u"300"_s);
        QCOMPARE(b.box("cbDrawsSortOrder")->currentIndex(), 2);
        QCOMPARE(b.box("cbLevelMode")->currentIndex(), 1);
        QCOMPARE(b.edit("edLevelValue")->text(), QString());
        QVERIFY(!b.check("cbCDLOverride")->isChecked());
        QCOMPARE(b.edit("edCoefCount")->text(), u"0,250"_s);
        QCOMPARE(b.edit("edCoefDeviation")->text(), u"-2,500"_s);
        QCOMPARE(b.edit("edCoefLevel")->text(), u"3,125"_s);
        QVERIFY(b.check("cbCoefPercents")->isChecked());
        QCOMPARE(b.box("cbStopMode")->currentIndex(), 4);
        QCOMPARE(b.get<QSpinBox>("edStopValue")->value(), 4);

        // An index that has lost its code: the code decides.
        combos::TFilterItem moved = parse(u"TSD1#SUM2:10#LNO:#SF:1"_s);
        moved.Method = start;
        Opened m(moved, startAt(start, 300));
        QCOMPARE(m.box("cbDrawsStatType")->currentData().toInt(), sum2);
    }

    void defaultsForADisabledItem()
    {
        const int start = offeredMethod(false);
        // Fields of an item that is not enabled are not read.
        combos::TFilterItem off = parse(u"BMF5#SUM2:77#LDV:3#ST:9#1:1:1:1:1"_s);
        off.Enabled = false;
        Opened o(off, startAt(start, 250));
        QCOMPARE(o.box("cbDrawsStatType")->currentData().toInt(), start);
        QCOMPARE(o.edit("edDrawsLen")->text(), u"250"_s);
        QCOMPARE(o.box("cbDrawsSortOrder")->currentIndex(), 1);
        QCOMPARE(o.box("cbDirection")->currentIndex(), 0);
        QCOMPARE(o.box("cbFilterMode")->currentIndex(), 0);
        QVERIFY(!o.check("cbMultiSelect")->isChecked());
        QCOMPARE(o.box("cbLevelMode")->currentIndex(), 0);
        QCOMPARE(o.edit("edLevelValue")->text(), QString());
        QVERIFY(!o.check("cbCDLOverride")->isChecked());
        QCOMPARE(o.edit("edCoefCount")->text(), u"0,250"_s);
        QVERIFY(o.check("cbCoefPercents")->isChecked());
        QVERIFY(!o.check("cbCoefAbs")->isChecked());
        QCOMPARE(o.box("cbStopMode")->currentIndex(), 0);
        QCOMPARE(o.get<QSpinBox>("edStopValue")->value(), 1);

        // No current statistic and no draws count: the first entry and an empty field.
        Opened none(combos::TFilterItem{}, startAt(-1, -1));
        QCOMPARE(none.box("cbDrawsStatType")->currentIndex(), 0);
        QCOMPARE(none.edit("edDrawsLen")->text(), QString());
    }

    void enablingRules()
    {
        Opened o(combos::TFilterItem{});
        QCheckBox* box = o.check("cbCDLOverride");
        const QList<QWidget*> coefficients{o.edit("edCoefCount"), o.edit("edCoefDeviation"), o.edit("edCoefLevel"),
                                           o.check("cbCoefPercents"), o.check("cbCoefAbs")};
        const auto coefficientsEnabled = [&](bool on) {
            for (QWidget* w : coefficients) {
                if (w->isEnabled() != on)
                    return false;
            }
            return true;
        };

        QComboBox* condition = o.box("cbLevelMode");
        for (int n = 0; n < 32; ++n) {
            condition->setCurrentIndex(n);
            const bool weight = n == 19 || n == 20 || n == 21;
            QVERIFY2(box->isEnabled() == weight, qPrintable(QString::number(n)));
            QVERIFY(coefficientsEnabled(false));
        }

        // Clicking the box switches the coefficients while it is enabled.
        condition->setCurrentIndex(20);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(box->isChecked());
        QVERIFY(coefficientsEnabled(true));
        box->click();
        QVERIFY(!box->isChecked());
        QVERIFY(coefficientsEnabled(false));
        box->click();
        QVERIFY(coefficientsEnabled(true));

        // Another condition disables box and coefficients; the tick stays.
        condition->setCurrentIndex(5);
        QVERIFY(!box->isEnabled());
        QVERIFY(box->isChecked());
        QVERIFY(coefficientsEnabled(false));
        condition->setCurrentIndex(21);
        QVERIFY(coefficientsEnabled(true));

        // Activation evaluates the rules again.
        condition->setCurrentIndex(0);
        o.edit("edCoefLevel")->setEnabled(true);
        box->setEnabled(true);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&o.dialog, &activate);
        QVERIFY(!box->isEnabled());
        QVERIFY(coefficientsEnabled(false));

        // An item with its own coefficients on a weight condition opens with them editable.
        Opened w(parse(u"TSD1#NUMS:10#WMV:2#SF:1#1:2:3:0:1"_s));
        QVERIFY(w.check("cbCDLOverride")->isEnabled());
        QVERIFY(w.edit("edCoefCount")->isEnabled());
        QVERIFY(w.check("cbCoefAbs")->isEnabled());
        QVERIFY(w.check("cbCoefAbs")->isChecked());
    }

    void keyFilter()
    {
        Opened o(parse(u"TSD1#NUMS:10#WMV:2#SF:1#1:2:3:0:1"_s));
        for (const char* name : {"edDrawsLen", "edLevelValue"}) {
            QLineEdit* e = o.edit(name);
            e->clear();
            QTest::keyClicks(e, u"1a0 ,2;3-4.x+:#"_s);
            QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, u"Я"_s, Qt::NoModifier);
            QTest::keyClicks(e, u"5"_s);
            // The values also take the table's form of a value, "2:3".
            if (e == o.edit("edLevelValue")) {
                QCOMPARE(e->text(), u"10 ,2;3-4:5"_s);
                e->setText(u"10,2;3-45"_s);
            }
            QCOMPARE(e->text(), u"10,2;3-45"_s);
            // Editing keys pass.
            QTest::keyClick(e, Qt::Key_Backspace);
            QCOMPARE(e->text(), u"10,2;3-4"_s);
            QTest::keyClick(e, Qt::Key_Home);
            QTest::keyClick(e, Qt::Key_Delete);
            QCOMPARE(e->text(), u"0,2;3-4"_s);
            QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(e, Qt::Key_Backspace);
            QCOMPARE(e->text(), QString());
        }
        // Other fields take what is typed.
        QLineEdit* count = o.edit("edCoefCount");
        QVERIFY(count->isEnabled());
        count->clear();
        QTest::keyClicks(count, u"1.5x"_s);
        QCOMPARE(count->text(), u"1.5x"_s);
    }

    void checksOnOkInOrder()
    {
        const int noList = offeredMethod(false);
        const int withList = offeredMethod(true);
        Opened o(combos::TFilterItem{}, startAt(noList, -1));
        QVERIFY(QTest::qWaitForWindowExposed(&o.dialog));
        QLineEdit* draws = o.edit("edDrawsLen");
        QLineEdit* values = o.edit("edLevelValue");
        QComboBox* condition = o.box("cbLevelMode");
        QComboBox* stop = o.box("cbStopMode");

        // Every check fails at once; each OK names the first that still fails.
        condition->setCurrentIndex(31);
        o.check("cbMultiSelect")->setChecked(true);
        stop->setCurrentIndex(1);
        const auto refusedWith = [&](const QString& message, QWidget* focused) {
            o.errors.clear();
            o.get<QSpinBox>("edStopValue")->setFocus();
            o.clickOk();
            if (o.accepted() || o.errors != QStringList{message} || o.dialog.focusWidget() != focused) {
                qWarning() << o.accepted() << o.errors << o.dialog.focusWidget();
                return false;
            }
            return true;
        };
        QVERIFY(refusedWith(kBadRange, draws));
        draws->setText(u"0"_s);
        QVERIFY(refusedWith(kBadRange, draws));
        draws->setText(u"5-1"_s);
        QVERIFY(refusedWith(kBadRange, draws));
        draws->setText(u"0,10"_s);
        QVERIFY(refusedWith(kNoValueList, condition));
        // The statistic decides whether the value list may be used; then the values are read.
        o.selectMethod(withList);
        QVERIFY(refusedWith(kBadRange, values));
        values->setText(u"1-;"_s);
        QVERIFY(refusedWith(kBadRange, values));
        values->setText(u"1-10;2"_s);
        QVERIFY(refusedWith(kMultiStop, stop));
        stop->setCurrentIndex(2);
        o.errors.clear();
        o.clickOk();
        QVERIFY(o.accepted());
        QCOMPARE(o.errors, QStringList{});
        QCOMPARE(o.dialog.item().Method, withList);
        QCOMPARE(o.dialog.item().DrawsText, u"0,10"_s);

        // Without a condition the values are not read; row by row stops by the list length.
        Opened plain(combos::TFilterItem{}, startAt(noList, 40));
        plain.box("cbStopMode")->setCurrentIndex(1);
        plain.edit("edLevelValue")->setText(u"junk"_s);
        plain.clickOk();
        QVERIFY(plain.accepted());
        QCOMPARE(plain.dialog.item().ConditionText, u"junk"_s);

        // The value list with a statistic that has none is refused even with good values.
        Opened lva(parse(u"TSD1#NUMS:10#LVA:1,2#SF:1"_s));
        lva.selectMethod(noList);
        lva.clickOk();
        QVERIFY(!lva.accepted());
        QCOMPARE(lva.errors, QStringList{kNoValueList});
        lva.selectMethod(withList);
        lva.clickOk();
        QVERIFY(lva.accepted());
    }

    void coefficientsThatDoNotRead()
    {
        Opened o(parse(u"TSD1#NUMS:10#WLV:5#SF:1#1:2:3:0:0"_s));
        QVERIFY(QTest::qWaitForWindowExposed(&o.dialog));
        QLineEdit* deviation = o.edit("edCoefDeviation");
        deviation->setText(u"abc"_s);
        o.clickOk();
        QVERIFY(!o.accepted());
        QCOMPARE(o.errors, QStringList{u"Некорректное значение коэффициента: \"abc\"!"_s});
        QCOMPARE(o.dialog.focusWidget(), deviation);

        // While the coefficients cannot be edited a field that does not read keeps its start value.
        o.box("cbLevelMode")->setCurrentIndex(3);
        o.edit("edLevelValue")->setText(u"7"_s);
        o.clickOk();
        QVERIFY(o.accepted());
        QCOMPARE(double(o.dialog.item().Cdl.Deviation), 2.0);
        QCOMPARE(double(o.dialog.item().Cdl.Level), 3.0);
    }

    void coefficientsInTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reads");
        QTest::addColumn<double>("value");
        const QLocale ru(QLocale::Russian, QLocale::Russia);
        const QLocale en(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("ru shown") << ru << u"1"_s + kNbsp + u"234,500"_s << true << 1234.5;
        QTest::newRow("ru plain space") << ru << u" 12 345,25 "_s << true << 12345.25;
        QTest::newRow("ru point") << ru << u"0.75"_s << true << 0.75;
        QTest::newRow("ru negative") << ru << u"-0,125"_s << true << -0.125;
        QTest::newRow("ru integer") << ru << u"7"_s << true << 7.0;
        QTest::newRow("ru two marks") << ru << u"1,2,3"_s << false << 0.0;
        QTest::newRow("ru letters") << ru << u"1,5e3"_s << false << 0.0;
        QTest::newRow("ru empty") << ru << QString() << false << 0.0;
        QTest::newRow("ru sign only") << ru << u"-"_s << false << 0.0;
        QTest::newRow("en grouped") << en << u"1,234.5"_s << true << 1234.5;
        QTest::newRow("en plain") << en << u"-2.5"_s << true << -2.5;
        QTest::newRow("en misplaced group") << en << u"0,5"_s << false << 0.0;
        QTest::newRow("en group after point") << en << u"1.234,567"_s << false << 0.0;
    }

    void coefficientsInTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, reads);
        QFETCH(double, value);
        QLocale::setDefault(locale);
        Opened o(parse(u"TSD1#NUMS:10#WDV:5#SF:1#1:2:3:0:0"_s));
        o.edit("edCoefCount")->setText(text);
        o.clickOk();
        QCOMPARE(o.accepted(), reads);
        if (reads)
            QCOMPARE(double(o.dialog.item().Cdl.Count), value);
        else
            QCOMPARE(o.errors.size(), 1);
    }

    void englishShowsItsSeparators()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Opened o(parse(u"TSD1#NUMS:10#WDV:5#SF:1#1234.5:-0.5:2:0:0"_s));
        QCOMPARE(o.edit("edCoefCount")->text(), u"1,234.500"_s);
        QCOMPARE(o.edit("edCoefDeviation")->text(), u"-0.500"_s);
        o.clickOk();
        QVERIFY(o.accepted());
        QCOMPARE(double(o.dialog.item().Cdl.Count), 1234.5);
    }

    void resultReadsBackFromItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("own coefficients") << u"BMF8#SUM2:10-20;5#WDV:1,2#ST:7#0.5:-1.25:1234.5:1:0"_s;
        QTest::newRow("no condition") << u"TSD1#NUMS:1000#LNO:#SF:1"_s;
        QTest::newRow("value list") << u"TMF0#NUMS:5,10,15#LVA:1,2,3#SZ:1"_s;
        QTest::newRow("last column") << u"BSD19#SUM2:30#PXR:1-5;2#SP:15"_s;
        QTest::newRow("fine coefficients") << u"TSF8#NUMS:50#WMV:3#SC:100#0.001:-0.333:12345.678:0:1"_s;
    }

    void resultReadsBackFromItsText()
    {
        QFETCH(QString, text);
        const combos::TFilterItem item = parse(text);
        QVERIFY(item.Enabled && item.Method >= 0);
        Opened o(item, startAt(-1, 999));
        o.clickOk();
        QVERIFY(o.accepted());
        const combos::TFilterItem& r = o.dialog.item();
        QVERIFY(r.Enabled);
        QCOMPARE(r.Method, item.Method);
        // Unchanged controls give the same filter text, and the text reads back as the item.
        QCOMPARE(combos::FilterItemText(r), text);
        combos::TFilterItem expected = r;
        if (!r.CdlOverride)
            expected.Cdl = combos::kZeroCdl;
        QVERIFY(combos::FilterItemParse(combos::FilterItemText(r), methods()) == expected);
        if (!r.CdlOverride)
            QVERIFY(r.Cdl == configCdl());
    }

    void editedControlsMakeTheItem()
    {
        const int sum2 = methods().IndexOfCode(u"SUM2"_s);
        const int nums = methods().IndexOfCode(u"NUMS"_s);
        Opened o(parse(u"BMF8#SUM2:10-20;5#WDV:1,2#ST:7#0.5:-1.25:1234.5:1:0"_s));
        o.selectMethod(nums);
        o.edit("edDrawsLen")->setText(u"100-200;50"_s);
        o.box("cbDrawsSortOrder")->setCurrentIndex(6);
        o.box("cbDirection")->setCurrentIndex(0);
        o.box("cbFilterMode")->setCurrentIndex(0);
        o.check("cbMultiSelect")->setChecked(false);
        o.box("cbLevelMode")->setCurrentIndex(19);
        o.edit("edLevelValue")->setText(u"4"_s);
        o.edit("edCoefCount")->setText(u"2,5"_s);
        o.check("cbCoefAbs")->click();
        o.box("cbStopMode")->setCurrentIndex(5);
        o.get<QSpinBox>("edStopValue")->setValue(12);
        o.clickOk();
        QVERIFY(o.accepted());
        const combos::TFilterItem& r = o.dialog.item();
        QCOMPARE(r.Method, nums);
        QCOMPARE(combos::FilterItemText(r), u"TSD6#NUMS:100-200;50#WMV:4#SP:12#2.5:-1.25:1234.5:1:1"_s);
        QVERIFY(combos::FilterItemParse(combos::FilterItemText(r), methods()) == r);

        // Switching the override off drops the coefficients word; the fields still fill Cdl.
        Opened off(parse(u"TSD1#SUM2:10#WDV:1#SF:1#0.5:1:1:0:0"_s));
        off.check("cbCDLOverride")->click();
        off.clickOk();
        QVERIFY(off.accepted());
        QCOMPARE(combos::FilterItemText(off.dialog.item()), u"TSD1#SUM2:10#WDV:1#SF:1"_s);
        QCOMPARE(double(off.dialog.item().Cdl.Count), 0.5);
        QVERIFY(sum2 >= 0);
    }

    // The check beside the conditions against the real history and the full list: the rows of
    // even/odd a value list selects, the combinations it leaves, values typed as the table shows
    // them and values the statistic does not have.
    void checkShowsRowsCombinationsAndUnknownValues()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"),
                            dir.filePath(u"Vertoma_5x54.ldr"_s)));
        QFile::setPermissions(dir.filePath(u"Vertoma_5x54.ldr"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        testsupport::FakeUserIo io;
        testsupport::AnalysisParts parts(io, {dir.path(), u"Vertoma_5x54"_s, dir.path()});
        parts.prepare();
        QVERIFY(parts.archive.load());
        QVERIFY(parts.candidates.generate(core::TGenSettings{}, false));
        QCOMPARE(parts.candidates.combs().size(), std::size_t(3162510));
        // Combinations with exactly e of the 27 even numbers.
        const auto withEven = [](int e) { return core::Binomial(27, e) * core::Binomial(27, 5 - e); };

        const stats::TStatList& list = parts.statistics.list();
        ui::FilterDialog dialog(combos::FilterItemParse(u"TMD1#EVEN:100#LVA:2#SF:1"_s, list), list, startAt(-1, 100));
        QStringList errors;
        dialog.showError = [&errors](const QString& e) { errors << e; };
        int checks = 0;
        dialog.setChecker([&](const combos::TFilterItem& item) {
            ++checks;
            return parts.candidates.filterCheck(item);
        });
        dialog.show();
        QLabel* shown = child<QLabel>(dialog, u"lbCheck"_s);
        QLineEdit* values = child<QLineEdit>(dialog, u"edLevelValue"_s);
        // Worked out a moment after the dialog opens, without a click.
        QCOMPARE(checks, 0);
        QTRY_VERIFY(shown->text().contains(u"Выделено строк таблицы: 1 из"_s));
        QVERIFY2(shown->text().contains(u"Останется комбинаций: %1 из 3162510"_s.arg(3162510 - withEven(2))),
                 qPrintable(shown->text()));

        // Typed as the table shows them; each key only restarts the pause.
        values->clear();
        QTest::keyClicks(values, u"2:3; 3:2"_s);
        QCOMPARE(values->text(), u"2:3; 3:2"_s);
        const int before = checks;
        child<QPushButton>(dialog, u"btCheck"_s)->click();
        QCOMPARE(checks, before + 1);
        QVERIFY2(shown->text().contains(u"Выделено строк таблицы: 2 из"_s), qPrintable(shown->text()));
        QVERIFY2(
            shown->text().contains(u"Останется комбинаций: %1 из 3162510"_s.arg(3162510 - withEven(2) - withEven(3))),
            qPrintable(shown->text()));
        QVERIFY(!shown->text().contains(u"Таких значений"_s));

        // Values the statistic does not have are named, and OK refuses them.
        values->setText(u"2:3; 9; 1:9"_s);
        child<QPushButton>(dialog, u"btCheck"_s)->click();
        QVERIFY2(shown->text().startsWith(u"Таких значений у статистики нет: 9; 1:9\n"_s), qPrintable(shown->text()));
        child<QDialogButtonBox>(dialog, u"buttonBox"_s)->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(errors, QStringList{u"Таких значений у статистики нет: 9; 1:9"_s});
        QVERIFY(dialog.result() != QDialog::Accepted);

        // The table's form is accepted as the statistic's values.
        values->setText(u"2:3; 3:2"_s);
        child<QDialogButtonBox>(dialog, u"buttonBox"_s)->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(combos::FilterItemText(dialog.item()), u"TMD1#EVEN:100#LVA:2,3#SF:1"_s);
    }

    void cancelKeepsTheItem()
    {
        const combos::TFilterItem item = parse(u"TSD1#NUMS:10#LMV:5#SF:1"_s);
        Opened o(item);
        o.edit("edDrawsLen")->setText(u"77"_s);
        o.get<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(o.dialog.result(), int(QDialog::Rejected));
        QVERIFY(o.dialog.item() == item);
        QVERIFY(o.errors.isEmpty());
    }
};

QTEST_MAIN(FilterDialogTest)
#include "filterdialog_test.moc"
