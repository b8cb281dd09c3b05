#include "ui/ShreddingDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

core::TShreddingData sampleData()
{
    core::TShreddingData s;
    s.Formula[0] = QStringLiteral("n1*p1");
    s.Formula[1] = QStringLiteral("(n2-p2)/3");
    s.Formula[2] = QStringLiteral("n5/n1");
    s.Digits[0] = 1;
    s.Digits[1] = 5;
    s.Digits[2] = 3;
    return s;
}

template <typename T> T* child(QWidget& dialog, const QString& name)
{
    T* w = dialog.findChild<T*>(name);
    if (!w)
        qFatal("no child %s", qPrintable(name));
    return w;
}

} // namespace

class ShreddingDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void fillsControls()
    {
        const core::TShreddingData s = sampleData();
        ui::ShreddingDialog d(s);
        QCOMPARE(d.windowTitle(), QStringLiteral("Методы шинковки"));
        for (int i = 0; i < 3; ++i) {
            const QString n = QString::number(i + 1);
            QCOMPARE(child<QLineEdit>(d, QStringLiteral("edFormula") + n)->text(), s.Formula[i]);
            QCOMPARE(child<QSpinBox>(d, QStringLiteral("edDigits") + n)->value(), int{s.Digits[i]});
        }
        QCOMPARE(child<QLabel>(d, QStringLiteral("lbNote"))->text(),
                 QStringLiteral("Используемые переменные:\nn1, n2, n3, ..., nX - числа текущего тиража\n"
                                "p1, p2, p3, ..., pX - числа предыдущего тиража"));
    }

    void resultRoundTrip()
    {
        const core::TShreddingData s = sampleData();
        ui::ShreddingDialog d(s);
        QVERIFY(d.result() == s);

        child<QLineEdit>(d, QStringLiteral("edFormula2"))->setText(QStringLiteral("p1+p2"));
        child<QSpinBox>(d, QStringLiteral("edDigits3"))->setValue(4);
        core::TShreddingData expected = s;
        expected.Formula[1] = QStringLiteral("p1+p2");
        expected.Digits[2] = 4;
        QVERIFY(d.result() == expected);
    }

    void digitsStayWithinOneToFive()
    {
        core::TShreddingData s = sampleData();
        s.Digits[0] = 0;
        s.Digits[1] = 9;
        ui::ShreddingDialog d(s);
        QCOMPARE(int{d.result().Digits[0]}, 1);
        QCOMPARE(int{d.result().Digits[1]}, 5);
    }

    void buttonsAcceptAndReject()
    {
        ui::ShreddingDialog ok(sampleData());
        child<QDialogButtonBox>(ok, QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(ok.QDialog::result(), int{QDialog::Accepted});

        ui::ShreddingDialog cancel(sampleData());
        cancel.setResult(QDialog::Accepted);
        child<QDialogButtonBox>(cancel, QStringLiteral("buttonBox"))->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(cancel.QDialog::result(), int{QDialog::Rejected});
    }
};

QTEST_MAIN(ShreddingDialogTest)
#include "shreddingdialog_test.moc"
