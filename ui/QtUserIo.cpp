#include "ui/QtUserIo.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "ui/ConfigDialog.h"
#include "ui/DrawDialog.h"
#include "ui/ExportDialog.h"
#include "ui/FilterDialog.h"
#include "ui/FiltersManagerDialog.h"
#include "ui/GaugeWindow.h"
#include "ui/GenCombsDialog.h"
#include "ui/GraphWindow.h"
#include "ui/MultiStakeDialog.h"
#include "ui/ProxyDialog.h"
#include "ui/RatesWindow.h"
#include "ui/ScriptLineDialog.h"
#include "ui/ScriptPropertiesDialog.h"
#include "ui/ShreddingDialog.h"
#include "ui/StakeDialog.h"
#include "ui/StakeFilterDialog.h"
#include "ui/SystemDialog.h"
#include "ui/TableDialog.h"
#include "ui/TestCountDialog.h"
#include "ui/UpdateDialog.h"
#include "ui/WaitWindow.h"
#include "ui/WheelDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QMimeData>
#include <QUrl>

namespace ui {

void QtUserIo::showStatus(const QString&)
{
    // The window shows the text itself; here the event queue runs so it is painted now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUserIo::busyChanged(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUserIo::showMessage(app::MessageKind kind, const QString& text)
{
    switch (kind) {
    case app::MessageKind::Error:
        QMessageBox::critical(m_owner, QObject::tr("Ошибка"), text);
        break;
    case app::MessageKind::Information:
        QMessageBox::information(m_owner, QObject::tr("Информация"), text);
        break;
    case app::MessageKind::Attention:
        QMessageBox::warning(m_owner, QObject::tr("Внимание!"), text);
        break;
    case app::MessageKind::Warning:
        QMessageBox::warning(m_owner, QObject::tr("Предупреждение"), text);
        break;
    }
}

bool QtUserIo::askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon)
{
    QMessageBox box(warningIcon ? QMessageBox::Warning : QMessageBox::Question, caption, text,
                    QMessageBox::Yes | QMessageBox::No, m_owner);
    box.setDefaultButton(yesDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtUserIo::askChoice(const QString& caption, const QString& text, const QStringList& choices, int defaultChoice)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, m_owner);
    QList<QPushButton*> buttons;
    for (int i = 0; i < choices.size(); ++i) {
        QPushButton* button = box.addButton(choices[i], QMessageBox::AcceptRole);
        button->setObjectName(QStringLiteral("btnChoice%1").arg(i));
        buttons << button;
    }
    if (defaultChoice >= 0 && defaultChoice < buttons.size())
        box.setDefaultButton(buttons[defaultChoice]);
    // Closing the box (Esc or the title bar) is the last choice, which is the "not now" one.
    if (!buttons.isEmpty())
        box.setEscapeButton(buttons.last());
    box.exec();
    return static_cast<int>(buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

bool QtUserIo::editDraw(core::TDrawRec& rec, const QString& title, bool showDate)
{
    DrawDialog dialog(rec, title, showDate, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rec = dialog.record();
    return true;
}

bool QtUserIo::editConfig(core::TConfigData& config, net::NetworkSettings& network)
{
    ConfigDialog dialog(config, m_owner);
    dialog.setNetwork(network);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    config = dialog.result();
    network = dialog.network();
    return true;
}

bool QtUserIo::editShredding(core::TShreddingData& data)
{
    ShreddingDialog dialog(data, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.result();
    return true;
}

bool QtUserIo::editFavorites(stats::TStatList& list, const core::DataFolder& folder, const QString& helpFile)
{
    FiltersManagerDialog dialog(list, *this, folder, helpFile, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    list = dialog.list();
    return true;
}

bool QtUserIo::openUrl(const QString& url)
{
    const QUrl target = QFileInfo::exists(url) ? QUrl::fromLocalFile(url) : QUrl(url);
    return QDesktopServices::openUrl(target);
}

bool QtUserIo::editGenSettings(core::TGenSettings& settings, bool& save)
{
    GenCombsDialog dialog(settings, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    save = dialog.saveAsDefault();
    return true;
}

bool QtUserIo::editFilter(combos::TFilterItem& item)
{
    if (!m_session)
        return false;
    FilterDialogStart start;
    start.Method = m_session->statistics().method();
    start.DrawsCount = m_session->statistics().window();
    start.Cdl = m_session->statistics().config().CDL;
    FilterDialog dialog(item, m_session->statistics().list(), start, m_owner);
    dialog.setChecker(
        [this](const combos::TFilterItem& edited) { return m_session->candidates().filterCheck(edited); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    item = dialog.item();
    return true;
}

QString QtUserIo::pickOpenFile(const QString& filter)
{
    return QFileDialog::getOpenFileName(m_owner, QString(), QString(), filter);
}

QString QtUserIo::pickSaveFile(const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(m_owner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtUserIo::clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString QtUserIo::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtUserIo::setClipboardText(const QString& text)
{
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void QtUserIo::progressBegin(const QString& text, int total)
{
    progressEnd();
    m_progress = new QProgressDialog(text, QString(), 0, std::max(total, 0), m_owner);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setValue(0);
    QApplication::processEvents();
}

void QtUserIo::progressStep(int done)
{
    if (m_progress) {
        m_progress->setValue(done);
        QApplication::processEvents();
    }
}

void QtUserIo::progressEnd()
{
    if (m_progress) {
        m_progress->close();
        delete m_progress;
    }
}

void QtUserIo::showGraph(const core::GraphData& graph)
{
    GraphWindow window(graph, m_session ? m_session->folder().stateFile() : QString(), m_owner);
    window.exec();
}

bool QtUserIo::editStake(stakes::TStakeRec& rec, int& copies)
{
    StakeDialog dialog(rec, copies, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rec = dialog.record();
    copies = dialog.copies();
    return true;
}

bool QtUserIo::editMultiStake(int& drawNum, int& copies, QString& comment)
{
    MultiStakeDialog dialog(drawNum, copies, comment, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    drawNum = dialog.drawNum();
    copies = dialog.copies();
    comment = dialog.comment();
    return true;
}

bool QtUserIo::editStakeFilter(int& op, int& value)
{
    StakeFilterDialog dialog(m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    op = dialog.op();
    value = dialog.value();
    return true;
}

bool QtUserIo::editScriptLine(QString& line, const QString& caption, int defaultExclude)
{
    if (!m_session)
        return false;
    ScriptLineDialog dialog(
        caption, line, defaultExclude, m_session->statistics().list(),
        [this](combos::TFilterItem& item) { return m_session->candidates().filterDialog(item); }, m_owner);
    // The filter dialog and any message opened meanwhile belong on top of the line editor.
    const QPointer<QWidget> owner = m_owner;
    m_owner = &dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_owner = owner;
    if (!accepted)
        return false;
    line = dialog.line();
    return true;
}

bool QtUserIo::editTableRule(stakes::TTableRec& rec, const QStringList& comments)
{
    TableDialog dialog(rec, comments, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    rec = dialog.record();
    return true;
}

int QtUserIo::askTestCount(int max)
{
    TestCountDialog dialog(max, m_owner);
    return dialog.exec() == QDialog::Accepted ? dialog.count() : 0;
}

void QtUserIo::processEvents()
{
    // User input runs too: a script run keeps "Стоп" within reach while everything else is
    // disabled.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace ui

namespace ui {

void QtUserIo::showWaitWindow(const QString& text)
{
    // Created on first use and kept: a download changes its text many times.
    if (!m_wait)
        m_wait = new WaitWindow(m_owner);
    m_wait->showText(text);
}

void QtUserIo::closeWaitWindow()
{
    if (m_wait)
        m_wait->hide();
}

QWidget* QtUserIo::waitWindow() const
{
    return m_wait && m_wait->isVisible() ? m_wait.data() : nullptr;
}

void QtUserIo::keepAlive()
{
    // Repaints, timers and window moves go on; clicks and keys wait, since the busy state holds
    // every command back and a click on a list must not change what the request works for.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool QtUserIo::editSystem(stakes::tSystemData& system, bool editable)
{
    SystemDialog dialog(system, editable, m_owner);
    if (dialog.exec() != QDialog::Accepted || !editable)
        return false;
    system = dialog.edited();
    return true;
}

bool QtUserIo::editWheel(stakes::WheelParams& params, int& seconds)
{
    WheelDialog dialog(params, seconds, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    params = dialog.params();
    seconds = dialog.seconds();
    return true;
}

bool QtUserIo::editScriptProperties(app::ScriptPropertiesForm& form)
{
    ScriptPropertiesDialog dialog(form, m_owner);
    if (dialog.exec() != QDialog::Accepted || !form.editable)
        return false;
    form.data = dialog.edited();
    return true;
}

bool QtUserIo::askText(const QString& caption, const QString& prompt, QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(m_owner, caption, prompt, QLineEdit::Normal, text, &ok);
    if (!ok)
        return false;
    text = answer;
    return true;
}

void QtUserIo::showScriptRates(const std::vector<online::tScriptRate>& rates)
{
    RatesWindow window(rates, m_session ? m_session->folder().stateFile() : QString(), m_owner);
    window.exec();
}

bool QtUserIo::confirmUpdate(const QString& current, const QString& next, const QStringList& notes)
{
    UpdateDialog dialog(current, next, notes, m_owner);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserIo::editProxy(core::TProxy& proxy)
{
    ProxyDialog dialog(proxy, m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const core::TProxy edited = dialog.result();
    proxy.Mode = edited.Mode;
    proxy.Server = edited.Server;
    proxy.Port = edited.Port;
    proxy.Username = edited.Username;
    proxy.Password = edited.Password;
    return true;
}

void QtUserIo::progressWindowShow(const QString& text, int maximum)
{
    if (!m_gauge)
        m_gauge = new GaugeWindow(m_owner);
    m_gauge->start(text, maximum);
}

void QtUserIo::progressWindowUpdate(const QString& text, int position)
{
    if (m_gauge)
        m_gauge->update(text, position);
}

void QtUserIo::progressWindowShowStoppable(const QString& text, int maximum)
{
    if (!m_gauge)
        m_gauge = new GaugeWindow(m_owner);
    m_gauge->start(text, maximum, true);
}

bool QtUserIo::progressWindowStopRequested()
{
    return m_gauge && m_gauge->stopRequested();
}

void QtUserIo::progressWindowClose()
{
    if (m_gauge)
        m_gauge->hide();
}

QWidget* QtUserIo::gaugeWindow() const
{
    return m_gauge && m_gauge->isVisible() ? m_gauge.data() : nullptr;
}

bool QtUserIo::editExport(xls::ExportDialogState& state)
{
    ExportDialog dialog(state, m_session ? m_session->folder().stateFile() : QString(), m_owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    state = dialog.state();
    return true;
}

bool QtUserIo::openDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace ui
