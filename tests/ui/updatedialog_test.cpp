// The update dialog and the two update actions of the main window.

#include "FakeUserIo.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "app/UpdateController.h"
#include "core/Settings.h"
#include "ui/MainWindow.h"
#include "ui/UpdateDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class UpdateDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void showsBothVersionsAndTheNotes();
    void installAcceptsAndCancelDeclines();
    void actionsCheckAndSwitch();
};

void UpdateDialogTest::showsBothVersionsAndTheNotes()
{
    ui::UpdateDialog dialog(u"0.1.0.120"_s, u"Вертома 0.1 (121)"_s, {u"Новое:"_s, u"- быстрее"_s});
    QCOMPARE(dialog.windowTitle(), u"Найдена новая версия программы"_s);
    auto* current = dialog.findChild<QLineEdit*>(u"edCurrentVersion"_s);
    auto* next = dialog.findChild<QLineEdit*>(u"edNewVersion"_s);
    auto* notes = dialog.findChild<QPlainTextEdit*>(u"meDescription"_s);
    QVERIFY(current && next && notes);
    QCOMPARE(current->text(), u"0.1.0.120"_s);
    QCOMPARE(next->text(), u"Вертома 0.1 (121)"_s);
    QCOMPARE(notes->toPlainText(), u"Новое:\n- быстрее"_s);
    QVERIFY(current->isReadOnly() && next->isReadOnly() && notes->isReadOnly());
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    for (const QString& text : {u"Текущая версия программы:"_s, u"Новая версия программы:"_s, u"Описание версии:"_s})
        QVERIFY2(labels.contains(text), qPrintable(text));
}

void UpdateDialogTest::installAcceptsAndCancelDeclines()
{
    {
        ui::UpdateDialog dialog(u"1"_s, u"2"_s, {});
        auto* install = dialog.findChild<QPushButton*>(u"btInstall"_s);
        QVERIFY(install);
        QCOMPARE(install->text(), u"Установить"_s);
        QCOMPARE(install->toolTip(), u"Установить это обновление"_s);
        QTimer::singleShot(0, install, &QPushButton::click);
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }
    ui::UpdateDialog dialog(u"1"_s, u"2"_s, {});
    auto* cancel = dialog.findChild<QPushButton*>(u"btCancel"_s);
    QVERIFY(cancel);
    QCOMPARE(cancel->toolTip(), u"Отказаться от обновления"_s);
    QTimer::singleShot(0, cancel, &QPushButton::click);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

void UpdateDialogTest::actionsCheckAndSwitch()
{
    QTemporaryDir dir;
    testsupport::FakeUserIo io;
    app::LanguageSwitcher languages;
    app::Session session(io, core::DataFolder(dir.path(), u"Vertoma_5x54"_s, dir.path()));
    session.create();
    ui::MainWindow window(session, languages);

    QAction* check = window.action(u"CheckUpdate"_s);
    QAction* automatic = window.action(u"AutoSelfUpdate"_s);
    QVERIFY(check && automatic);
    QCOMPARE(check->text(), u"Поиск обновлений"_s);
    QCOMPARE(check->statusTip(), u"Искать обновления программы через интернет"_s);
    QCOMPARE(automatic->statusTip(), u"Автоматическое обновление программы при запуске"_s);
    QCOMPARE(automatic->text(), u"Автоматическое обновление"_s);
    QVERIFY(automatic->isCheckable());
    QVERIFY(automatic->isChecked());

    automatic->trigger();
    QVERIFY(!session.update().autoUpdates());
    QVERIFY(!automatic->isChecked());
    QVERIFY(!core::StateReadBool(dir.filePath(u"Vertoma_5x54.frm"_s), core::kMainWindowSection, u"AutoUpdates"_s, true));

    // Without any address the check says what is missing.
    QSignalSpy restart(&window, &ui::MainWindow::restartRequested);
    check->trigger();
    QCOMPARE(restart.count(), 0);
    QCOMPARE(io.messages.size(), 1);
    QVERIFY(io.messages[0].text.startsWith(u"Ошибка поиска обновлений!"_s));

    // Both are held back while the session is busy.
    session.services().enterBusy();
    QVERIFY(!check->isEnabled() && !automatic->isEnabled());
    session.services().leaveBusy();
    QVERIFY(check->isEnabled() && automatic->isEnabled());
}

QTEST_MAIN(UpdateDialogTest)
#include "updatedialog_test.moc"
