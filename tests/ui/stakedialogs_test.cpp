// The three stake dialogs: "Добавление ставки", "Добавление мультиставки" and
// "Удаление по условию".

#include "core/GameMath.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"
#include "ui/MultiStakeDialog.h"
#include "ui/StakeDialog.h"
#include "ui/StakeFilterDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

stakes::TStakeRec manualStake()
{
    stakes::TStakeRec rec;
    rec.Version = 2;
    rec.Kind = stakes::KindManual;
    rec.DrawNum = 1115;
    rec.SampleSize = 21;
    rec.Matches.Count = -1;
    rec.Profit = -20000;
    stakes::SetStakeComment(rec, QStringLiteral("Ставка \"вручную\""));
    return rec;
}

} // namespace

class StakeDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void stakeDialogFillsFromTheRecord();
    void stakeNumbers_data();
    void stakeNumbers();
    void stakeNeedsAComment();
    void stakeSumFollowsTheText();
    void multiStakeDialog();
    void filterDialogOpensWithEqualsZero();
};

void StakeDialogsTest::stakeDialogFillsFromTheRecord()
{
    stakes::TStakeRec rec = manualStake();
    rec.Numbers = core::ValueSetFromComb(core::TComb{{3, 4, 5, 6, 7}});
    ui::StakeDialog dialog(rec, 3);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление ставки"));
    auto* draw = dialog.findChild<QSpinBox*>(QStringLiteral("edDrawNumber"));
    auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("edDrawsCount"));
    auto* data = dialog.findChild<QLineEdit*>(QStringLiteral("edStakeData"));
    auto* sum = dialog.findChild<QLineEdit*>(QStringLiteral("edStakeSum"));
    auto* comment = dialog.findChild<QLineEdit*>(QStringLiteral("edComment"));
    QVERIFY(draw && copies && data && sum && comment);
    QCOMPARE(draw->value(), 1115);
    QCOMPARE(draw->minimum(), 1);
    QCOMPARE(draw->maximum(), 2147483647);
    QCOMPARE(copies->value(), 3);
    QCOMPARE(copies->minimum(), 1);
    QCOMPARE(copies->maximum(), 65535);
    QCOMPARE(data->text(), QStringLiteral("3;4;5;6;7"));
    QCOMPARE(sum->text(), QStringLiteral("25"));
    QVERIFY(sum->isReadOnly());
    QCOMPARE(comment->text(), QStringLiteral("Ставка \"вручную\""));
    QCOMPARE(comment->maxLength(), 64);
    QCOMPARE(data->toolTip(), QStringLiteral("Введите числа, разделенные точкой с запятой или запятой"));

    // A stake without numbers shows an empty text.
    ui::StakeDialog empty(manualStake(), 1);
    QCOMPARE(empty.findChild<QLineEdit*>(QStringLiteral("edStakeData"))->text(), QString());
    QCOMPARE(empty.findChild<QLineEdit*>(QStringLiteral("edStakeSum"))->text(), QStringLiteral("0"));
}

void StakeDialogsTest::stakeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("mixed separators and blanks")
        << QStringLiteral("5; 12 ,33;40;54") << QStringLiteral("5;12;33;40;54");
    QTest::newRow("unsorted") << QStringLiteral("54,40,33,12,5") << QStringLiteral("5;12;33;40;54");
    QTest::newRow("four numbers") << QStringLiteral("5;12;33;40") << QString();
    QTest::newRow("six numbers") << QStringLiteral("5;12;33;40;54;1") << QString();
    QTest::newRow("zero") << QStringLiteral("0;12;33;40;54") << QString();
    QTest::newRow("above 54") << QStringLiteral("5;12;33;40;55") << QString();
    QTest::newRow("repeated") << QStringLiteral("5;12;12;40;54") << QString();
    QTest::newRow("not a number") << QStringLiteral("5;12;abc;40;54") << QString();
    QTest::newRow("empty word") << QStringLiteral("5;12;;40;54") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void StakeDialogsTest::stakeNumbers()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    const stakes::TStakeRec rec = manualStake();
    ui::StakeDialog dialog(rec, 2);
    QStringList errors;
    dialog.showError = [&errors](const QString& e) { errors << e; };
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* data = dialog.findChild<QLineEdit*>(QStringLiteral("edStakeData"));
    data->setText(text);
    dialog.findChild<QSpinBox*>(QStringLiteral("edDrawNumber"))->setValue(1200);
    // Focus elsewhere, so a refusal has to move it back.
    dialog.findChild<QLineEdit*>(QStringLiteral("edComment"))->setFocus();
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();

    if (!stored.isEmpty()) {
        QVERIFY(errors.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().Numbers.Count, 5);
        QCOMPARE(core::ValueSetText(dialog.record().Numbers, QStringLiteral(";")), stored);
        QCOMPARE(dialog.record().DrawNum, 1200);
        QCOMPARE(dialog.copies(), 2);
        // Everything else is the caller's.
        QCOMPARE(dialog.record().Kind, rec.Kind);
        QCOMPARE(dialog.record().SampleSize, 21);
        QCOMPARE(dialog.record().Profit, rec.Profit);
        QCOMPARE(dialog.record().Matches.Count, -1);
        QCOMPARE(stakes::StakeComment(dialog.record()), QStringLiteral("Ставка \"вручную\""));
    } else {
        QCOMPARE(errors, QStringList{QStringLiteral("Введена некорректная комбинация!")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(QApplication::focusWidget(), data);
    }
}

void StakeDialogsTest::stakeNeedsAComment()
{
    ui::StakeDialog dialog(manualStake(), 1);
    QStringList errors;
    dialog.showError = [&errors](const QString& e) { errors << e; };
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* data = dialog.findChild<QLineEdit*>(QStringLiteral("edStakeData"));
    auto* comment = dialog.findChild<QLineEdit*>(QStringLiteral("edComment"));
    data->setText(QStringLiteral("1;2;3;4;5"));
    comment->clear();
    data->setFocus();
    dialog.accept();
    QCOMPARE(errors, QStringList{QStringLiteral("Необходимо ввести комментарий!")});
    QCOMPARE(QApplication::focusWidget(), comment);
    QVERIFY(dialog.isVisible());

    // Bad numbers are reported first, even without a comment.
    errors.clear();
    data->setText(QStringLiteral("1;2;3"));
    dialog.accept();
    QCOMPARE(errors, QStringList{QStringLiteral("Введена некорректная комбинация!")});

    data->setText(QStringLiteral("1;2;3;4;5"));
    comment->setText(QStringLiteral("Своя"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stakes::StakeComment(dialog.record()), QStringLiteral("Своя"));
}

void StakeDialogsTest::stakeSumFollowsTheText()
{
    ui::StakeDialog dialog(manualStake(), 1);
    auto* data = dialog.findChild<QLineEdit*>(QStringLiteral("edStakeData"));
    auto* sum = dialog.findChild<QLineEdit*>(QStringLiteral("edStakeSum"));
    data->setText(QStringLiteral("10; 20,30"));
    QCOMPARE(sum->text(), QStringLiteral("60"));
    // Words that are not numbers count nothing; more than five words still add up.
    data->setText(QStringLiteral("10;x;5;1;1;1"));
    QCOMPARE(sum->text(), QStringLiteral("18"));
}

void StakeDialogsTest::multiStakeDialog()
{
    ui::MultiStakeDialog dialog(1115, 1, QStringLiteral("Ставка \"вручную\""));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление мультиставки"));
    QCOMPARE(dialog.drawNum(), 1115);
    QCOMPARE(dialog.copies(), 1);
    QCOMPARE(dialog.comment(), QStringLiteral("Ставка \"вручную\""));
    auto* draw = dialog.findChild<QSpinBox*>(QStringLiteral("edDrawNumber"));
    auto* copies = dialog.findChild<QSpinBox*>(QStringLiteral("edDrawsCount"));
    auto* comment = dialog.findChild<QLineEdit*>(QStringLiteral("edComment"));
    QVERIFY(draw && copies && comment);
    QCOMPARE(draw->toolTip(), QStringLiteral("Номер тиража"));
    QCOMPARE(copies->maximum(), 65535);
    QCOMPARE(comment->maxLength(), 64);

    QStringList errors;
    dialog.showError = [&errors](const QString& e) { errors << e; };
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    comment->clear();
    draw->setFocus();
    dialog.accept();
    QCOMPARE(errors, QStringList{QStringLiteral("Необходимо ввести комментарий!")});
    QCOMPARE(QApplication::focusWidget(), comment);
    QVERIFY(dialog.isVisible());

    draw->setValue(1300);
    copies->setValue(4);
    comment->setText(QStringLiteral("Пакет"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.drawNum(), 1300);
    QCOMPARE(dialog.copies(), 4);
    QCOMPARE(dialog.comment(), QStringLiteral("Пакет"));
}

void StakeDialogsTest::filterDialogOpensWithEqualsZero()
{
    for (int round = 0; round < 2; ++round) {
        ui::StakeFilterDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Удаление по условию"));
        auto* condition = dialog.findChild<QComboBox*>(QStringLiteral("cbCondition"));
        auto* value = dialog.findChild<QSpinBox*>(QStringLiteral("edValue"));
        QVERIFY(condition && value);
        QStringList captions;
        for (int i = 0; i < condition->count(); ++i)
            captions << condition->itemText(i);
        QCOMPARE(captions, (QStringList{QStringLiteral("Равно [ = ]"), QStringLiteral("Более [ > ]"),
                                        QStringLiteral("Не менее [ >= ]"), QStringLiteral("Менее [ < ]"),
                                        QStringLiteral("Не более [ <= ]")}));
        QCOMPARE(condition->toolTip(), QStringLiteral("Режим сравнения с количеством совпадений"));
        QCOMPARE(value->minimum(), 0);
        QCOMPARE(value->maximum(), 5);
        QCOMPARE(value->toolTip(), QStringLiteral("Количество совпадений"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->toolTip(), QStringLiteral("Удалить ставки"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->toolTip(),
                 QStringLiteral("Отменить операцию и закрыть окно"));
        // Every opening starts again at "equal to 0", whatever was chosen last time.
        QCOMPARE(dialog.op(), 0);
        QCOMPARE(dialog.value(), 0);
        condition->setCurrentIndex(3);
        value->setValue(2);
        QCOMPARE(dialog.op(), 3);
        QCOMPARE(dialog.value(), 2);
    }
}

QTEST_MAIN(StakeDialogsTest)
#include "stakedialogs_test.moc"
