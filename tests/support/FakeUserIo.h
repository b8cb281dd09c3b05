#pragma once

// A scripted person for the tests: records every message and status text, answers questions
// and dialogs from queues. An empty queue answers No / Cancel.

#include "app/OnlineScripts.h"
#include "app/UserIo.h"
#include "combos/Filters.h"
#include "export/ExportParams.h"
#include "net/NetSettings.h"
#include "stakes/StakeTables.h"
#include "stakes/SystemFile.h"
#include "stakes/WheelMaker.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>
#include <optional>

namespace testsupport {

struct ShownMessage
{
    app::MessageKind kind;
    QString text;
};

struct AskedQuestion
{
    QString caption;
    QString text;
    bool yesDefault;
    bool warningIcon;
};

class FakeUserIo : public app::UserIo
{
public:
    void showStatus(const QString& text) override;
    void busyChanged(bool busy) override;
    void showMessage(app::MessageKind kind, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon) override;
    int askChoice(const QString& caption, const QString& text, const QStringList& choices, int defaultChoice) override;
    bool editDraw(core::TDrawRec& rec, const QString& title, bool showDate) override;
    bool editConfig(core::TConfigData& config, net::NetworkSettings& network) override;
    bool editShredding(core::TShreddingData& data) override;
    bool editFavorites(stats::TStatList& list, const core::DataFolder& folder, const QString& helpFile) override;
    bool openUrl(const QString& url) override;
    bool editGenSettings(core::TGenSettings& settings, bool& save) override;
    bool editFilter(combos::TFilterItem& item) override;
    QString pickOpenFile(const QString& filter) override;
    QString pickSaveFile(const QString& filter, const QString& defaultSuffix) override;
    bool clipboardHasText() override { return !clipboard.isEmpty(); }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override;
    void progressBegin(const QString& text, int total) override;
    void progressStep(int done) override;
    void progressEnd() override;
    void showGraph(const core::GraphData& graph) override { graphs.push_back(graph); }
    bool editStake(stakes::TStakeRec& rec, int& copies) override;
    bool editMultiStake(int& drawNum, int& copies, QString& comment) override;
    bool editStakeFilter(int& op, int& value) override;
    bool editScriptLine(QString& line, const QString& caption, int defaultExclude) override;
    bool editTableRule(stakes::TTableRec& rec, const QStringList& comments) override;
    int askTestCount(int max) override;
    void showWaitWindow(const QString& text) override;
    void closeWaitWindow() override;
    void keepAlive() override { ++keepAlives; }
    void processEvents() override { ++eventRuns; }
    bool editProxy(core::TProxy& proxy) override;
    void progressWindowShow(const QString& text, int maximum) override;
    void progressWindowUpdate(const QString& text, int position) override;
    void progressWindowClose() override { ++progressWindowCloses; }
    bool editExport(xls::ExportDialogState& state) override;
    bool openDocument(const QString& path) override;
    bool editSystem(stakes::tSystemData& system, bool editable) override;
    bool editWheel(stakes::WheelParams& params, int& seconds) override;
    void progressWindowShowStoppable(const QString& text, int maximum) override;
    bool progressWindowStopRequested() override;
    bool editScriptProperties(app::ScriptPropertiesForm& form) override;
    bool askText(const QString& caption, const QString& prompt, QString& text) override;
    void showScriptRates(const std::vector<online::tScriptRate>& rates) override { shownRates.push_back(rates); }

    // Each properties dialog takes the next edit (empty: cancel) and then presses OK, which runs
    // the form's check; a refused check keeps the dialog open, and the dialog takes the next
    // edit, until one is accepted or the queue is empty (cancel). What it was opened with and
    // every verdict are kept.
    QQueue<std::optional<std::function<void(online::tScriptData&)>>> scriptPropertiesEdits;
    QList<app::ScriptPropertiesForm> scriptPropertiesStarts;
    QList<app::ScriptPropertiesVerdict> scriptPropertiesVerdicts;
    // Each input box takes the next text, or is empty to cancel; its caption and prompt are kept.
    QQueue<std::optional<QString>> textAnswers;
    QList<std::pair<QString, QString>> textPrompts;
    // Every ratings window shown, in order.
    std::vector<std::vector<online::tScriptRate>> shownRates;
    // The update dialog: what it showed, answered from updateAnswers (empty: Cancel).
    bool confirmUpdate(const QString& current, const QString& next, const QStringList& notes) override;
    struct UpdateDialogShown
    {
        QString current;
        QString next;
        QStringList notes;
    };
    QList<UpdateDialogShown> updateDialogs;
    QQueue<bool> updateAnswers;

    // Each system dialog takes the next edit (empty: cancel); what it was shown is kept.
    QQueue<std::optional<std::function<void(stakes::tSystemData&)>>> systemEdits;
    QList<std::pair<stakes::tSystemData, bool>> systemStarts; // the record shown and whether editable
    // Answers, taken in order.
    QQueue<bool> answers;
    // Questions with choices of their own: what was asked, and the index each answers (empty: -1).
    struct Choice
    {
        QString caption;
        QString text;
        QStringList choices;
        int defaultChoice;
    };
    QList<Choice> choiceQuestions;
    QQueue<int> choiceAnswers;
    // Each draw dialog takes the next edit: it changes the record, or is empty to cancel.
    QQueue<std::optional<std::function<void(core::TDrawRec&)>>> drawEdits;
    QQueue<std::optional<core::TConfigData>> configEdits;
    // The network addresses a confirmed configuration dialog returns, in turn; none: unchanged.
    QQueue<net::NetworkSettings> networkEdits;
    // Each proxy dialog takes the next answer (mode and the four fields), or is empty to cancel.
    QQueue<std::optional<core::TProxy>> proxyEdits;
    QQueue<std::optional<core::TShreddingData>> shreddingEdits;
    // Each filters manager takes the next edit of the list copy, or is empty to cancel.
    QQueue<std::optional<std::function<void(stats::TStatList&)>>> favoritesEdits;
    // Each generation dialog takes the next answer: settings and the save box, or empty.
    QQueue<std::optional<std::pair<core::TGenSettings, bool>>> genEdits;
    // Each filter dialog takes the next answer: the edited item, or empty to cancel.
    QQueue<std::optional<combos::TFilterItem>> filterEdits;
    // File names the pickers return in turn; an empty name cancels.
    QQueue<QString> pickedFiles;
    QString clipboard;
    // Each stake dialog takes the next edit of the record and the number of draws, or is empty
    // to cancel; the multi-stake and delete-by-condition dialogs take their next answers.
    QQueue<std::optional<std::function<void(stakes::TStakeRec&, int&)>>> stakeEdits;
    struct MultiStake
    {
        int drawNum;
        int copies;
        QString comment;
    };
    QQueue<std::optional<MultiStake>> multiStakeEdits;
    QQueue<std::optional<std::pair<int, int>>> stakeFilterEdits;
    // Each line editor takes the next text, or is empty to cancel; each test count question
    // takes the next count (0 cancels).
    QQueue<std::optional<QString>> scriptLineEdits;
    QQueue<int> testCounts;
    // Each rule dialog takes the next edit of the record, or is empty to cancel; it is opened
    // with the record and the comments recorded below.
    QQueue<std::optional<std::function<void(stakes::TTableRec&)>>> tableEdits;
    QList<stakes::TTableRec> tableStarts;
    QList<QStringList> tableComments;
    // Each export dialog takes the next edit of its state, or is empty to cancel.
    QQueue<std::optional<std::function<void(xls::ExportDialogState&)>>> exportEdits;
    // Whether a default handler opens documents.
    bool documentHandler = true;

    // What the person saw.
    QList<ShownMessage> messages;
    QList<AskedQuestion> questions;
    QStringList statusTexts;
    QStringList drawDialogTitles;
    // The items the filter dialogs were opened with.
    QList<combos::TFilterItem> filterDialogItems;
    // The help file each filters manager was given.
    QStringList favoritesHelpFiles;
    QStringList openedUrls;
    // Whether a program takes what openUrl is given; false plays a system without a browser.
    bool urlsOpen = true;
    QList<bool> busyTransitions;
    QStringList progressTexts;
    QList<int> progressSteps;
    int progressEnds = 0;
    // The progress window: each text with the position it was shown at, its maxima and closes.
    QList<std::pair<QString, int>> progressWindowUpdates;
    QList<int> progressWindowMaxima;
    int progressWindowCloses = 0;
    // Stoppable windows shown; "Стоп" is pressed once the window has had this many updates (-1: never).
    int stoppableWindows = 0;
    int stopAfterUpdates = -1;
    // Each system-making dialog takes the next parameters and seconds, or is empty to cancel.
    QQueue<std::optional<std::pair<stakes::WheelParams, int>>> wheelEdits;
    // The states the export dialogs were opened with, and the documents opened.
    QList<xls::ExportDialogState> exportStarts;
    QStringList openedDocuments;
    QStringList pickerFilters;
    struct ScriptLineStart
    {
        QString line;
        QString caption;
        int defaultExclude;
    };
    QList<ScriptLineStart> scriptLineStarts;
    QList<int> testCountMaxima;
    // The values each multi-stake dialog was opened with.
    QList<MultiStake> multiStakeStarts;
    // The network addresses each configuration dialog was opened with.
    QList<net::NetworkSettings> networkStarts;
    // The proxy settings each proxy dialog was opened with.
    QList<core::TProxy> proxyStarts;
    // Every text the wait window showed, and how often it was closed and while it was open.
    QStringList waitTexts;
    int waitCloses = 0;
    bool waitOpen = false;
    int keepAlives = 0;
    // How often an operation let pending window events run, the person's input included.
    int eventRuns = 0;
    // Every graph window shown, in order.
    std::vector<core::GraphData> graphs;

    QStringList messageTexts(app::MessageKind kind) const;

private:
    int m_updatesAtStoppable = 0;
};

} // namespace testsupport
