#include "ui/ConfigDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

namespace {

// Catches the error boxes, so nothing modal blocks the run.
class TestConfigDialog : public ui::ConfigDialog
{
public:
    using ui::ConfigDialog::ConfigDialog;
    QStringList errors;

protected:
    void showError(const QString& text) override { errors << text; }
};

core::TConfigData sampleConfig()
{
    core::TConfigData c;
    c.MatrixCols = 7;
    c.ChannelSize = 9;
    c.Cost = 250000;
    c.MaxStake = 8;
    c.Profits = {{0, 0}, {1, 0}, {2, 15000}, {3, 1234500}, {4, 50000000}, {5, 100000000000}};
    c.CDL = {0.125L, -2.5L, 3.75L, true, false};
    for (int n = 1; n <= core::NumberCount; ++n)
        c.MatrixSegments[n - 1] = static_cast<std::uint8_t>(n % 9 + 1);
    return c;
}

template <typename T> T* child(QWidget& dialog, const char* name)
{
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

QTableWidgetItem* cellOf(QTableWidget* grid, int n)
{
    const int cols = grid->columnCount();
    return grid->item((n - 1) / cols, (n - 1) % cols);
}

} // namespace

class ConfigDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void fillsControlsFromConfig()
    {
        TestConfigDialog d(sampleConfig());
        QCOMPARE(d.windowTitle(), QStringLiteral("Параметры системы"));
        QCOMPARE(child<QSpinBox>(d, "edMatrixCols")->value(), 7);
        QCOMPARE(child<QSpinBox>(d, "edMatrixRows")->value(), 8);
        QCOMPARE(child<QSpinBox>(d, "edChannelSize")->value(), 9);
        QCOMPARE(child<QDoubleSpinBox>(d, "edCost")->value(), 25.0);
        QVERIFY(child<QSpinBox>(d, "edMaxStake")->isHidden());
        QCOMPARE(child<QLineEdit>(d, "edCdlDeviation")->text(), QStringLiteral("-2.5"));

        auto* grid = child<QTableWidget>(d, "sgSegments");
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("2")); // number 1
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("2")); // number 10
        QCOMPARE(grid->item(7, 4)->text(), QStringLiteral("1")); // number 54

        auto* profits = child<QTableWidget>(d, "sgProfits");
        QCOMPARE(profits->rowCount(), 6);
        QCOMPARE(profits->horizontalHeaderItem(0)->text(), QStringLiteral("Совпадений"));
        QCOMPARE(profits->horizontalHeaderItem(1)->text(), QStringLiteral("Сумма выигрыша"));
        QCOMPARE(profits->item(3, 0)->text(), QStringLiteral("3"));
        QCOMPARE(profits->item(3, 1)->text(), QStringLiteral("123.45"));
        QCOMPARE(profits->item(5, 1)->text(), QStringLiteral("10000000.00"));
    }

    void resultRoundTrip()
    {
        const core::TConfigData c = sampleConfig();
        TestConfigDialog d(c);
        QVERIFY(d.result() == c);
        QVERIFY(d.errors.isEmpty());
    }

    void resultReadsEditedControls()
    {
        TestConfigDialog d(sampleConfig());
        child<QSpinBox>(d, "edChannelSize")->setValue(12);
        child<QDoubleSpinBox>(d, "edCost")->setValue(12.34);
        child<QSpinBox>(d, "edMaxStake")->setValue(11); // hidden, must not leak into the result
        child<QLineEdit>(d, "edCdlCount")->setText(QStringLiteral("1.5"));
        child<QLineEdit>(d, "edCdlDeviation")->setText(QStringLiteral("-0.25"));
        child<QLineEdit>(d, "edCdlLevel")->setText(QStringLiteral("-")); // unreadable
        child<QCheckBox>(d, "cbUsePercents")->setChecked(false);
        child<QCheckBox>(d, "cbUseAbsValues")->setChecked(true);
        child<QTableWidget>(d, "sgProfits")->item(2, 1)->setText(QStringLiteral("7.5"));

        const core::TConfigData r = d.result();
        QCOMPARE(r.ChannelSize, 12);
        QCOMPARE(r.Cost, std::int64_t{123400});
        QCOMPARE(r.MaxStake, 8);
        QVERIFY(r.CDL.Count == 1.5L);
        QVERIFY(r.CDL.Deviation == -0.25L);
        QVERIFY(r.CDL.Level == 0.0L);
        QCOMPARE(r.CDL.UsePercents, false);
        QCOMPARE(r.CDL.UseAbsValues, true);
        QVERIFY((r.Profits[2] == core::TProfitRec{2, 75000}));
    }

    void missingPrizeRowsGiveZeros()
    {
        core::TConfigData c = sampleConfig();
        c.Profits = {{3, 20000}, {9, 5}};
        TestConfigDialog d(c);
        QCOMPARE(child<QTableWidget>(d, "sgProfits")->item(0, 1)->text(), QStringLiteral("0.00"));
        const std::vector<core::TProfitRec> expected = {{0, 0}, {1, 0}, {2, 0}, {3, 20000}, {4, 0}, {5, 0}};
        QVERIFY(d.result().Profits == expected);
    }

    void prizeCellTakesDigitsAndSeparatorOnly()
    {
        TestConfigDialog d(sampleConfig());
        auto* profits = child<QTableWidget>(d, "sgProfits");
        profits->setCurrentCell(4, 1);
        profits->editItem(profits->item(4, 1));
        auto* editor = qobject_cast<QLineEdit*>(profits->indexWidget(profits->model()->index(4, 1)));
        QVERIFY(editor);
        editor->clear();
        QTest::keyClicks(editor, QStringLiteral("12a-,.5"));
        QCOMPARE(editor->text(), QStringLiteral("12.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view commits an edit from a queued call
        QCOMPARE(profits->item(4, 1)->text(), QStringLiteral("12.5"));
        QCOMPARE(d.result().Profits[4].Profit, std::int64_t{125000});

        profits->item(4, 1)->setText(QStringLiteral("1.2.3"));
        QCOMPARE(d.result().Profits[4].Profit, std::int64_t{0});
    }

    void localeDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        core::TConfigData c = sampleConfig();
        c.Cost = 123400;
        TestConfigDialog d(c);
        QCOMPARE(child<QTableWidget>(d, "sgProfits")->item(3, 1)->text(), QStringLiteral("123,45"));
        QCOMPARE(child<QLineEdit>(d, "edCdlCount")->text(), QStringLiteral("0,125"));
        QVERIFY(d.result() == c);
    }

    void changingColumnsRelaysDigits()
    {
        const core::TConfigData c = sampleConfig();
        TestConfigDialog d(c);
        auto* cols = child<QSpinBox>(d, "edMatrixCols");
        auto* rows = child<QSpinBox>(d, "edMatrixRows");
        auto* grid = child<QTableWidget>(d, "sgSegments");
        cellOf(grid, 20)->setText(QStringLiteral("8")); // an edit must survive the re-lay

        for (const int newCols : {10, 54, 1, 5}) {
            cols->setValue(newCols);
            QCOMPARE(grid->columnCount(), newCols);
            QCOMPARE(grid->rowCount(), (54 + newCols - 1) / newCols);
            QCOMPARE(rows->value(), grid->rowCount());
            for (int n = 1; n <= core::NumberCount; ++n) {
                const int expected = n == 20 ? 8 : c.MatrixSegments[n - 1];
                QCOMPARE(cellOf(grid, n)->text(), QString::number(expected));
            }
        }
        QCOMPARE(d.result().MatrixCols, 5);
        QCOMPARE(d.result().MatrixSegments[19], std::uint8_t{8});
        QVERIFY(d.errors.isEmpty());
    }

    void typedOutOfRangeValueShowsErrorAndResets()
    {
        TestConfigDialog d(sampleConfig());
        auto* grid = child<QTableWidget>(d, "sgSegments");

        const auto typeInto = [grid](int n, const QString& keys) {
            QTableWidgetItem* item = cellOf(grid, n);
            grid->setCurrentItem(item);
            grid->editItem(item);
            auto* editor =
                qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(item->row(), item->column())));
            QVERIFY(editor);
            editor->clear();
            QTest::keyClicks(editor, keys);
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();
        };

        typeInto(11, QStringLiteral("x7"));
        QCOMPARE(cellOf(grid, 11)->text(), QStringLiteral("7"));
        QVERIFY(d.errors.isEmpty());

        typeInto(12, QStringLiteral("x0"));
        QCOMPARE(d.errors, QStringList{QStringLiteral("Некорректное значение: 0!\n\nУкажите любое число от 1 до 9")});
        QCOMPARE(cellOf(grid, 12)->text(), QStringLiteral("1"));
        QCOMPARE(d.result().MatrixSegments[11], std::uint8_t{1});
        QCOMPARE(d.result().MatrixSegments[10], std::uint8_t{7});
    }

    void cellsPastLastNumberAreInert()
    {
        TestConfigDialog d(sampleConfig()); // 7 x 8: numbers 55 and 56 do not exist
        auto* grid = child<QTableWidget>(d, "sgSegments");
        QVERIFY(cellOf(grid, 54)->flags() & Qt::ItemIsEditable);
        for (const int n : {55, 56}) {
            QVERIFY(!(cellOf(grid, n)->flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable)));
        }
        child<QSpinBox>(d, "edMatrixCols")->setValue(10);
        for (int n = 55; n <= 60; ++n)
            QVERIFY(!(cellOf(grid, n)->flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable)));
    }

    void missingOrUnreadableCellGivesOne()
    {
        core::TConfigData c = sampleConfig();
        c.MatrixSegments[4] = 12; // not one digit, so the cell cannot be read back
        TestConfigDialog d(c);
        auto* grid = child<QTableWidget>(d, "sgSegments");
        delete grid->takeItem(0, 2); // number 3, segment 4
        QCOMPARE(d.result().MatrixSegments[2], std::uint8_t{1});
        QCOMPARE(d.result().MatrixSegments[4], std::uint8_t{1});
        QCOMPARE(d.result().MatrixSegments[5], c.MatrixSegments[5]);
    }

    void buttonsAcceptAndReject()
    {
        TestConfigDialog ok(sampleConfig());
        child<QDialogButtonBox>(ok, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(ok.QDialog::result(), int{QDialog::Accepted});

        TestConfigDialog cancel(sampleConfig());
        cancel.setResult(QDialog::Accepted);
        child<QDialogButtonBox>(cancel, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(cancel.QDialog::result(), int{QDialog::Rejected});
    }

    void networkPageShowsAndReturnsTheAddresses()
    {
        TestConfigDialog d(sampleConfig());
        auto* pages = child<QTabWidget>(d, "pcConfig");
        QCOMPARE(pages->count(), 2);
        QCOMPARE(pages->tabText(1), QStringLiteral("Сеть"));
        net::NetworkSettings n;
        n.OperatorUrl = QStringLiteral("https://results.test:8443");
        n.ProxyListUrl = QStringLiteral("http://list.test");
        n.ServiceUrl = QStringLiteral("https://service.test");
        n.CaFile = QStringLiteral("/etc/vertoma/ca.pem");
        n.ClientName = QStringLiteral("Иван Петров");
        n.ClientMail = QStringLiteral("ivan@example.test");
        d.setNetwork(n);
        QCOMPARE(child<QLineEdit>(d, "edClientName")->text(), n.ClientName);
        QCOMPARE(child<QLineEdit>(d, "edClientMail")->text(), n.ClientMail);
        QCOMPARE(child<QLineEdit>(d, "edOperatorUrl")->text(), n.OperatorUrl);
        QCOMPARE(child<QLineEdit>(d, "edCaFile")->text(), n.CaFile);
        QVERIFY(d.network() == n);
        child<QLineEdit>(d, "edServiceUrl")->setText(QStringLiteral("  https://other.test  "));
        QCOMPARE(d.network().ServiceUrl, QStringLiteral("https://other.test"));
        QVERIFY2(d.result() == sampleConfig(), "the addresses live apart from the configuration record");
        const QString shots = qEnvironmentVariable("VERTOMA_SCREENSHOTS");
        if (!shots.isEmpty()) {
            d.show();
            d.grab().save(shots + QStringLiteral("/config-general.png"));
            pages->setCurrentIndex(1);
            d.grab().save(shots + QStringLiteral("/config-network.png"));
        }
    }

    void aBadAddressKeepsTheDialogOpenOnTheNetworkPage()
    {
        TestConfigDialog d(sampleConfig());
        child<QLineEdit>(d, "edProxyListUrl")->setText(QStringLiteral("list.test"));
        child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(d.QDialog::result(), int{QDialog::Rejected});
        QCOMPARE(d.errors.size(), 1);
        QVERIFY(d.errors[0].startsWith(QStringLiteral("Некорректный адрес: \"list.test\"")));
        QCOMPARE(child<QTabWidget>(d, "pcConfig")->currentWidget()->objectName(), QStringLiteral("tsNetwork"));
        // Empty addresses are fine.
        child<QLineEdit>(d, "edProxyListUrl")->clear();
        child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(d.QDialog::result(), int{QDialog::Accepted});
    }

    void theUsersNameAndMailAreCheckedBeforeTheyAreKept()
    {
        TestConfigDialog d(sampleConfig());
        auto* mail = child<QLineEdit>(d, "edClientMail");
        auto* ok = child<QDialogButtonBox>(d, "buttonBox")->button(QDialogButtonBox::Ok);
        for (const QString& bad : {QStringLiteral("ivan"), QStringLiteral("ivan@"), QStringLiteral("a b@c"),
                                   QStringLiteral("<a>@b")}) {
            mail->setText(bad);
            ok->click();
            QCOMPARE(d.QDialog::result(), int{QDialog::Rejected});
            QVERIFY2(d.errors.last().startsWith(QStringLiteral("Некорректный адрес электронной почты")),
                     qPrintable(d.errors.last()));
            QCOMPARE(child<QTabWidget>(d, "pcConfig")->currentWidget()->objectName(), QStringLiteral("tsNetwork"));
        }
        mail->setText(QStringLiteral(" ivan@example.test "));
        child<QLineEdit>(d, "edClientName")->setText(QStringLiteral("<b>Иван</b>"));
        ok->click();
        QCOMPARE(d.QDialog::result(), int{QDialog::Rejected});
        QCOMPARE(d.errors.last(), QStringLiteral("Имя не может содержать символы < и >."));
        child<QLineEdit>(d, "edClientName")->setText(QStringLiteral("Иван"));
        ok->click();
        QCOMPARE(d.QDialog::result(), int{QDialog::Accepted});
        QCOMPARE(d.network().ClientMail, QStringLiteral("ivan@example.test"));
        QCOMPARE(d.network().ClientName, QStringLiteral("Иван"));
    }
};

QTEST_MAIN(ConfigDialogTest)
#include "configdialog_test.moc"
