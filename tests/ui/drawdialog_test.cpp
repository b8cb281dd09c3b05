#include "core/DrawInput.h"
#include "core/TextForms.h"
#include "ui/DrawDialog.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

class DrawDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void validation_data();
    void validation();
    void fillsFromTheRecord();
    void newRecordShowsZerosAndToday();
    void withoutDateFields();
};

void DrawDialogTest::validation_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("valid") << QStringLiteral("5;12;33;40;54;7") << true;
    QTest::newRow("commas") << QStringLiteral("5, 12, 33, 40, 54, 0") << true;
    QTest::newRow("repeated") << QStringLiteral("5;12;12;40;54;7") << false;
    QTest::newRow("above 54") << QStringLiteral("5;12;33;40;55;7") << false;
    QTest::newRow("no key") << QStringLiteral("5;12;33;40;54") << false;
    QTest::newRow("key above 9") << QStringLiteral("5;12;33;40;54;10") << false;
    QTest::newRow("new record zeros") << QStringLiteral("0;0;0;0;0;0") << false;
}

void DrawDialogTest::validation()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    core::TDrawRec rec;
    rec.Num = 1115;
    ui::DrawDialog dialog(rec, QStringLiteral("Введите данные следующего тиража"), true);
    QStringList errors;
    dialog.showError = [&](const QString& e) { errors << e; };
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* data = dialog.findChild<QLineEdit*>(QStringLiteral("edDrawData"));
    QVERIFY(data);
    data->setText(text);
    dialog.findChild<QSpinBox*>(QStringLiteral("edDrawNumber"))->setFocus();
    dialog.accept();

    if (accepted) {
        QVERIFY(errors.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        core::TDrawRec expected;
        QVERIFY(core::ParseDrawText(text, expected));
        QCOMPARE(dialog.record().Num, 1115);
        QVERIFY(std::equal(std::begin(expected.Values), std::end(expected.Values), dialog.record().Values));
        QCOMPARE(dialog.record().Extra, expected.Extra);
        QCOMPARE(core::DrawDateText(dialog.record()).size(), 10);
    } else {
        QCOMPARE(errors, QStringList{QStringLiteral("Введена некорректная комбинация!")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(QApplication::focusWidget(), data);
    }
}

void DrawDialogTest::fillsFromTheRecord()
{
    core::TDrawRec rec;
    rec.Num = 1114;
    const std::uint8_t values[] = {7, 8, 11, 31, 35};
    std::copy(std::begin(values), std::end(values), rec.Values);
    rec.Extra = 1;
    core::SetDrawDateText(rec, QStringLiteral("16/08/2026"));
    ui::DrawDialog dialog(rec, QStringLiteral("Заголовок"), true);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Заголовок"));
    QCOMPARE(dialog.findChild<QSpinBox*>(QStringLiteral("edDrawNumber"))->value(), 1114);
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edDrawData"))->text(), QStringLiteral("7;8;11;31;35;1"));
    QCOMPARE(dialog.findChild<QDateEdit*>(QStringLiteral("edDrawDate"))->date(), QDate(2026, 8, 16));
    QCOMPARE(dialog.findChild<QTimeEdit*>(QStringLiteral("edDrawTime"))->time(), QTime(0, 0));

    // A changed number and date are what the record gets; the time is cut off.
    dialog.findChild<QSpinBox*>(QStringLiteral("edDrawNumber"))->setValue(2000);
    dialog.findChild<QDateEdit*>(QStringLiteral("edDrawDate"))->setDate(QDate(2026, 8, 23));
    dialog.findChild<QTimeEdit*>(QStringLiteral("edDrawTime"))->setTime(QTime(21, 15));
    dialog.accept();
    QCOMPARE(dialog.record().Num, 2000);
    QCOMPARE(core::DrawDateText(dialog.record()), QStringLiteral("23/08/2026"));
}

void DrawDialogTest::newRecordShowsZerosAndToday()
{
    core::TDrawRec rec;
    rec.Num = 1;
    ui::DrawDialog dialog(rec, QString(), true);
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edDrawData"))->text(), QStringLiteral("0;0;0;0;0;0"));
    QCOMPARE(dialog.findChild<QDateEdit*>(QStringLiteral("edDrawDate"))->date(), QDate::currentDate());
}

void DrawDialogTest::withoutDateFields()
{
    core::TDrawRec rec;
    rec.Num = 3;
    core::SetDrawDateText(rec, QStringLiteral("01/01/2020"));
    ui::DrawDialog dialog(rec, QString(), false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.findChild<QDateEdit*>(QStringLiteral("edDrawDate"))->isVisible());
    QVERIFY(!dialog.findChild<QTimeEdit*>(QStringLiteral("edDrawTime"))->isVisible());
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("lblDrawDate"))->isVisible());
    QCOMPARE(dialog.height(), 200);
    dialog.findChild<QLineEdit*>(QStringLiteral("edDrawData"))->setText(QStringLiteral("1;2;3;4;5;6"));
    dialog.accept();
    // Without date fields the stored date stays.
    QCOMPARE(core::DrawDateText(dialog.record()), QStringLiteral("01/01/2020"));
}

QTEST_MAIN(DrawDialogTest)
#include "drawdialog_test.moc"
