// The proxy dialog and the wait window of the download.

#include "ui/ProxyDialog.h"
#include "ui/QtUserIo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

template <typename T> T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// With VERTOMA_SCREENSHOTS set, the look of a window is kept there for a person to see.
void keepPicture(QWidget& w, const char* name)
{
    const QString dir = qEnvironmentVariable("VERTOMA_SCREENSHOTS");
    if (!dir.isEmpty())
        w.grab().save(dir + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

core::TProxy stored(std::uint8_t mode)
{
    core::TProxy p;
    p.Mode = mode;
    p.Server = QStringLiteral("proxy.lan");
    p.Port = 3128;
    p.Username = QStringLiteral("agent");
    p.Password = QStringLiteral("secret");
    return p;
}

} // namespace

class ProxyDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheStoredModeAndValues()
    {
        ui::ProxyDialog d(stored(2));
        QCOMPARE(d.windowTitle(), QStringLiteral("Параметры proxy-сервера"));
        QVERIFY(child<QRadioButton>(d, "rbManualProxy")->isChecked());
        QCOMPARE(child<QRadioButton>(d, "rbNoProxy")->text(), QStringLiteral("Не использовать proxy-сервер"));
        QCOMPARE(child<QRadioButton>(d, "rbAutoProxy")->text(),
                 QStringLiteral("Автоматический поиск сервера (возможны задержки)"));
        QCOMPARE(child<QRadioButton>(d, "rbManualProxy")->text(), QStringLiteral("Ручной выбор proxy-сервера:"));
        QCOMPARE(child<QLineEdit>(d, "edServer")->text(), QStringLiteral("proxy.lan"));
        QCOMPARE(child<QSpinBox>(d, "edPort")->value(), 3128);
        QCOMPARE(child<QLineEdit>(d, "edUsername")->text(), QStringLiteral("agent"));
        // The password is shown in clear.
        QCOMPARE(child<QLineEdit>(d, "edPassword")->echoMode(), QLineEdit::Normal);
        QCOMPARE(child<QLineEdit>(d, "edPassword")->text(), QStringLiteral("secret"));
        QCOMPARE(child<QSpinBox>(d, "edPort")->minimum(), 1);
        QCOMPARE(child<QSpinBox>(d, "edPort")->maximum(), 65535);
        d.show();
        keepPicture(d, "proxy-dialog");
    }

    void fieldsFollowTheManualChoice()
    {
        ui::ProxyDialog d(stored(0));
        QVERIFY(child<QRadioButton>(d, "rbNoProxy")->isChecked());
        for (const char* name : {"edServer", "edPort", "edUsername", "edPassword"})
            QVERIFY2(!child<QWidget>(d, name)->isEnabled(), name);
        child<QRadioButton>(d, "rbManualProxy")->click();
        for (const char* name : {"edServer", "edPort", "edUsername", "edPassword"})
            QVERIFY2(child<QWidget>(d, name)->isEnabled(), name);
        child<QRadioButton>(d, "rbAutoProxy")->click();
        QVERIFY(!child<QWidget>(d, "edServer")->isEnabled());
    }

    void anUnknownModeOpensAsNoProxy()
    {
        ui::ProxyDialog d(stored(7));
        QVERIFY(child<QRadioButton>(d, "rbNoProxy")->isChecked());
        QCOMPARE(d.result().Mode, 0);
    }

    void theResultIsTheChoiceAndTheFields()
    {
        ui::ProxyDialog d(stored(0));
        child<QRadioButton>(d, "rbManualProxy")->click();
        child<QLineEdit>(d, "edServer")->setText(QStringLiteral("  10.0.0.8 "));
        child<QSpinBox>(d, "edPort")->setValue(8080);
        child<QLineEdit>(d, "edPassword")->setText(QStringLiteral("new"));
        const core::TProxy r = d.result();
        QCOMPARE(r.Mode, 2);
        QCOMPARE(r.Server, QStringLiteral("10.0.0.8"));
        QCOMPARE(r.Port, 8080);
        QCOMPARE(r.Username, QStringLiteral("agent"));
        QCOMPARE(r.Password, QStringLiteral("new"));
        child<QRadioButton>(d, "rbAutoProxy")->click();
        QCOMPARE(d.result().Mode, 1);
    }

    void theWaitWindowShowsOneCentredLineOnTop()
    {
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        ui::QtUserIo io;
        io.setOwner(&owner);
        QVERIFY(!io.waitWindow());
        io.showWaitWindow(QStringLiteral("Загрузка архива тиражей..."));
        QWidget* wait = io.waitWindow();
        QVERIFY(wait);
        QVERIFY(wait->isVisible());
        QVERIFY(wait->windowFlags() & Qt::WindowStaysOnTopHint);
        auto* label = child<QLabel>(*wait, "lblWait");
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->text(), QStringLiteral("Загрузка архива тиражей..."));
        // One window for the whole download; its text changes in place.
        io.showWaitWindow(QStringLiteral("Загрузка архива тиражей...\n\nПопытка 2, proxy 10.0.0.8 : 8080"));
        QCOMPARE(io.waitWindow(), wait);
        QCOMPARE(label->text(), QStringLiteral("Загрузка архива тиражей...\n\nПопытка 2, proxy 10.0.0.8 : 8080"));
        QVERIFY(qAbs(wait->geometry().center().x() - owner.frameGeometry().center().x()) <= 2);
        keepPicture(*wait, "wait-window");
        io.closeWaitWindow();
        QVERIFY(!io.waitWindow());
    }
};

QTEST_MAIN(ProxyDialogTest)
#include "proxydialog_test.moc"
