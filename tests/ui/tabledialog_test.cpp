// The rule dialog "Добавление регулярной ставки".

#include "stakes/StakeTables.h"
#include "ui/TableDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

// The rule the add command prepares, with s selected combinations.
stakes::TTableRec prepared(int selected, core::TComb start = {})
{
    stakes::TTableRec rec = stakes::NewTableRec();
    rec.StartComb = start;
    rec.StakeCount = selected;
    return rec;
}

template <typename T>
T* child(const QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TableDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void fillsFromThePreparedRule();
    void theStartIsTypedOnlyForOneSelectedCombination();
    void start_data();
    void start();
    void theCommentMustBeNewAndNotEmpty();
    void lastDrawModeTakesNoTypedStart();
};

void TableDialogTest::fillsFromThePreparedRule()
{
    ui::TableDialog dialog(prepared(1, core::TComb{{3, 14, 15, 26, 54}}), {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление регулярной ставки"));
    auto* comment = child<QLineEdit>(dialog, "edComment");
    auto* own = child<QRadioButton>(dialog, "rbUseMyComb");
    auto* last = child<QRadioButton>(dialog, "rbUseLastDraw");
    auto* start = child<QLineEdit>(dialog, "edCombStart");
    auto* step = child<QSpinBox>(dialog, "edStep");
    QVERIFY(comment && own && last && start && step);
    QCOMPARE(comment->text(), QStringLiteral("Регулярная ставка"));
    QCOMPARE(comment->maxLength(), 64);
    QCOMPARE(child<QLabel>(dialog, "lblComment")->text(), QStringLiteral("Комментарий к ставке:"));
    QCOMPARE(own->text(), QStringLiteral("Использовать постоянную стартовую комбинацию:"));
    QCOMPARE(last->text(), QStringLiteral("Использовать данные предыдущего тиража"));
    QVERIFY(own->isChecked());
    QVERIFY(!last->isChecked());
    QCOMPARE(start->text(), QStringLiteral("3;14;15;26;54"));
    QCOMPARE(start->toolTip(), QStringLiteral("Введите числа, разделенные точкой с запятой или запятой"));
    QCOMPARE(child<QLabel>(dialog, "lblStep")->text(), QStringLiteral("Шаг:"));
    QCOMPARE(step->minimum(), -54);
    QCOMPARE(step->maximum(), 54);
    QCOMPARE(step->value(), 1);
    QCOMPARE(step->toolTip(), QStringLiteral("Шаг изменения элементов комбинации"));

    stakes::TTableRec lastDraw = prepared(0);
    lastDraw.UseLastDraw = 1;
    lastDraw.Step = -7;
    ui::TableDialog other(lastDraw, {});
    QVERIFY(child<QRadioButton>(other, "rbUseLastDraw")->isChecked());
    QCOMPARE(child<QSpinBox>(other, "edStep")->value(), -7);
}

void TableDialogTest::theStartIsTypedOnlyForOneSelectedCombination()
{
    for (int selected : {0, 3}) {
        ui::TableDialog dialog(prepared(selected), {});
        auto* start = child<QLineEdit>(dialog, "edCombStart");
        QCOMPARE(start->text(), QStringLiteral("{...Выделенные комбинации...}"));
        QVERIFY(!start->isEnabled());
        child<QRadioButton>(dialog, "rbUseLastDraw")->setChecked(true);
        QVERIFY(!start->isEnabled());
    }
    ui::TableDialog single(prepared(1, core::TComb{{1, 2, 3, 4, 5}}), {});
    auto* start = child<QLineEdit>(single, "edCombStart");
    QVERIFY(start->isEnabled());
    child<QRadioButton>(single, "rbUseLastDraw")->setChecked(true);
    QVERIFY(!start->isEnabled());
    child<QRadioButton>(single, "rbUseMyComb")->setChecked(true);
    QVERIFY(start->isEnabled());
}

void TableDialogTest::start_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("mixed separators and blanks") << QStringLiteral(" 54, 1 ;20;3 ,7") << QStringLiteral("1;3;7;20;54");
    QTest::newRow("four numbers") << QStringLiteral("1;2;3;4") << QString();
    QTest::newRow("six numbers") << QStringLiteral("1;2;3;4;5;6") << QString();
    QTest::newRow("zero") << QStringLiteral("0;2;3;4;5") << QString();
    QTest::newRow("above 54") << QStringLiteral("1;2;3;4;55") << QString();
    QTest::newRow("repeated") << QStringLiteral("1;2;2;4;5") << QString();
    QTest::newRow("not a number") << QStringLiteral("1;2;x;4;5") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TableDialogTest::start()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    ui::TableDialog dialog(prepared(1, core::TComb{{1, 2, 3, 4, 5}}), {});
    QStringList errors;
    dialog.showError = [&errors](const QString& e) { errors << e; };
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* start = child<QLineEdit>(dialog, "edCombStart");
    start->setText(text);
    child<QSpinBox>(dialog, "edStep")->setValue(-3);
    child<QLineEdit>(dialog, "edComment")->setFocus();
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    if (stored.isEmpty()) {
        QCOMPARE(errors, QStringList{QStringLiteral("Введена некорректная комбинация!")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(QApplication::focusWidget(), start);
        return;
    }
    QVERIFY(errors.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stakes::TableCellText(dialog.record(), stakes::TColStart), stored);
    QCOMPARE(dialog.record().Step, -3);
    QCOMPARE(dialog.record().UseLastDraw, std::uint8_t(0));
    QCOMPARE(stakes::TableComment(dialog.record()), QStringLiteral("Регулярная ставка"));
    // The caller's count comes back as given.
    QCOMPARE(dialog.record().StakeCount, 1);
}

void TableDialogTest::theCommentMustBeNewAndNotEmpty()
{
    ui::TableDialog dialog(prepared(0), {QStringLiteral("Первый"), QStringLiteral("Second")});
    QStringList errors;
    dialog.showError = [&errors](const QString& e) { errors << e; };
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* comment = child<QLineEdit>(dialog, "edComment");
    auto* step = child<QSpinBox>(dialog, "edStep");

    comment->clear();
    step->setFocus();
    dialog.accept();
    QCOMPARE(errors, QStringList{QStringLiteral("Необходимо ввести комментарий!")});
    QCOMPARE(QApplication::focusWidget(), comment);
    QVERIFY(dialog.isVisible());

    for (const QString& taken : {QStringLiteral("первый"), QStringLiteral("SECOND")}) {
        errors.clear();
        comment->setText(taken);
        step->setFocus();
        dialog.accept();
        QCOMPARE(errors, QStringList{QStringLiteral("Запись с таким комментарией уже присутствует в списке!\n"
                                                    "Выберите другой комментарий.")});
        QCOMPARE(QApplication::focusWidget(), comment);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    errors.clear();
    comment->setText(QStringLiteral("Первый 2"));
    dialog.accept();
    QVERIFY(errors.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stakes::TableComment(dialog.record()), QStringLiteral("Первый 2"));
    // No start of its own without exactly one selected combination.
    QVERIFY(dialog.record().StartComb == core::TComb{});
}

void TableDialogTest::lastDrawModeTakesNoTypedStart()
{
    ui::TableDialog dialog(prepared(1, core::TComb{{9, 8, 7, 6, 5}}), {});
    QStringList errors;
    dialog.showError = [&errors](const QString& e) { errors << e; };
    child<QLineEdit>(dialog, "edCombStart")->setText(QStringLiteral("nonsense"));
    child<QRadioButton>(dialog, "rbUseLastDraw")->setChecked(true);
    child<QSpinBox>(dialog, "edStep")->setValue(0);
    dialog.accept();
    QVERIFY(errors.isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.record().UseLastDraw, std::uint8_t(1));
    QCOMPARE(dialog.record().Step, 0);
    // The selected combination stays the start, sorted.
    QCOMPARE(stakes::TableCellText(dialog.record(), stakes::TColStart), QStringLiteral("5;6;7;8;9"));

    // A typed start that parses is taken in last-draw mode too.
    ui::TableDialog typed(prepared(1, core::TComb{{1, 2, 3, 4, 5}}), {});
    child<QLineEdit>(typed, "edCombStart")->setText(QStringLiteral("10;20;30;40;50"));
    child<QRadioButton>(typed, "rbUseLastDraw")->setChecked(true);
    typed.accept();
    QCOMPARE(stakes::TableCellText(typed.record(), stakes::TColStart), QStringLiteral("10;20;30;40;50"));
}

QTEST_MAIN(TableDialogTest)
#include "tabledialog_test.moc"
