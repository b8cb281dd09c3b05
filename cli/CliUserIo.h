#pragma once

// The person behind the command-line tool: messages go to stderr, questions are answered No
// (a batch run never waits for input), dialogs are cancelled.

#include "app/UserIo.h"
#include "cli/CliProgressLine.h"

#include <QList>

namespace cli {

class CliUserIo : public app::UserIo
{
public:
    // A word that means "yes" to its own questions gives the answers in turn; questions past
    // them are answered No.
    void setAnswers(QList<bool> answers) { m_answers = std::move(answers); }
    // Error boxes shown so far: a word that showed one did not do all it was asked.
    int errorsShown() const { return m_errors; }

    // The progress of a long word on a terminal; off unless the word switches it on.
    CliProgressLine& progress() { return m_progress; }

    void showStatus(const QString& text) override { m_progress.setStep(text); }
    void busyChanged(bool) override {}
    void showMessage(app::MessageKind kind, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon) override;
    bool editDraw(core::TDrawRec&, const QString&, bool) override { return false; }
    bool editConfig(core::TConfigData&, net::NetworkSettings&) override { return false; }
    bool editShredding(core::TShreddingData&) override { return false; }
    bool editFavorites(stats::TStatList&, const core::DataFolder&, const QString&) override { return false; }
    bool openUrl(const QString& url) override;
    bool editGenSettings(core::TGenSettings&, bool&) override { return false; }
    bool editFilter(combos::TFilterItem&) override { return false; }
    QString pickOpenFile(const QString&) override { return {}; }
    QString pickSaveFile(const QString&, const QString&) override { return {}; }
    bool clipboardHasText() override { return false; }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    void progressBegin(const QString& text, int total) override { m_progress.begin(text, total); }
    void progressStep(int done) override { m_progress.step(done); }
    void progressEnd() override { m_progress.end(); }
    // The tool's words take their values from the command line, never from a dialog.
    bool editStake(stakes::TStakeRec&, int&) override { return false; }
    bool editMultiStake(int&, int&, QString&) override { return false; }
    bool editStakeFilter(int&, int&) override { return false; }
    bool editScriptLine(QString&, const QString&, int) override { return false; }
    bool editTableRule(stakes::TTableRec&, const QStringList&) override { return false; }
    int askTestCount(int) override { return 0; }
    // A batch run has no window to show a graph in.
    void showGraph(const core::GraphData&) override {}
    // The wait window's text goes where the status would: to the progress line of a terminal.
    void showWaitWindow(const QString& text) override { m_progress.begin(text, 0); }
    void closeWaitWindow() override { m_progress.end(); }
    void keepAlive() override {}
    bool editProxy(core::TProxy&) override { return false; }
    // The words print their own results; a progress window becomes the progress line.
    void progressWindowShow(const QString& text, int steps) override { m_progress.begin(text, steps); }
    void progressWindowUpdate(const QString&, int position) override { m_progress.step(position); }
    void progressWindowClose() override { m_progress.end(); }
    // The export word takes its parameters from the command line and the parameter files.
    bool editExport(xls::ExportDialogState&) override { return false; }
    // A batch run opens nothing; the word prints where the file is.
    bool openDocument(const QString&) override { return false; }
    bool editSystem(stakes::tSystemData&, bool) override { return false; }
    bool editWheel(stakes::WheelParams&, int&) override { return false; }
    // The library words take the properties and the comment from the command line and print
    // the ratings themselves.
    bool editScriptProperties(app::ScriptPropertiesForm&) override { return false; }
    bool askText(const QString&, const QString&, QString&) override { return false; }
    void showScriptRates(const std::vector<online::tScriptRate>&) override {}
    // "update install" answers the dialog Yes; the new version and its notes go to stderr.
    bool confirmUpdate(const QString& current, const QString& next, const QStringList& notes) override;

private:
    CliProgressLine m_progress;
    QList<bool> m_answers;
    int m_errors = 0;
};

// Writes one line of UTF-8 text to stderr.
void printError(const QString& text);

} // namespace cli
