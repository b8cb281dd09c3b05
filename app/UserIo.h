#pragma once

// The one door to the person. The desktop window implements it with real dialogs, the
// command-line tool on stderr, the tests with a scripted fake. An operation never waits for
// the person except through this interface.

#include "core/DataFolder.h"
#include "core/GameTypes.h"
#include "core/GraphData.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace combos {
struct TFilterItem;
}
namespace net {
struct NetworkSettings;
}
namespace online {
struct tScriptRate;
}
namespace stats {
class TStatList;
}
namespace stakes {
struct TStakeRec;
struct TTableRec;
struct tSystemData;
struct WheelParams;
}
namespace xls {
struct ExportDialogState;
}

namespace app {

struct ScriptPropertiesForm;

enum class MessageKind {
    Error,       // caption "Ошибка"
    Information, // caption "Информация"
    Attention,   // caption "Внимание!"
    Warning,     // caption "Предупреждение"
};

class UserIo
{
public:
    virtual ~UserIo() = default;

    // Writes the status text and lets pending window events run, so the text shows at once.
    virtual void showStatus(const QString& text) = 0;
    // The busy counter went from 0 to 1 (true) or from 1 to 0 (false).
    virtual void busyChanged(bool busy) = 0;

    virtual void showMessage(MessageKind kind, const QString& text) = 0;
    // Yes/No box with the given caption; warningIcon selects the warning icon instead of the
    // question icon. Returns true only for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon) = 0;

    // A question with buttons of its own (choices, left to right); the index of the one pressed,
    // or -1 when the box was closed without a choice. The base answers -1, as a person who is
    // not there.
    virtual int askChoice(const QString& caption, const QString& text, const QStringList& choices, int defaultChoice)
    {
        Q_UNUSED(caption);
        Q_UNUSED(text);
        Q_UNUSED(choices);
        Q_UNUSED(defaultChoice);
        return -1;
    }

    // The draw dialog: the record is edited in place; false when the person cancelled.
    virtual bool editDraw(core::TDrawRec& rec, const QString& title, bool showDate) = 0;
    // The configuration dialog on copies of the configuration and of the network addresses;
    // false when cancelled.
    virtual bool editConfig(core::TConfigData& config, net::NetworkSettings& network) = 0;
    // The shredding dialog on a copy; false when cancelled.
    virtual bool editShredding(core::TShreddingData& data) = 0;
    // The filters manager on a copy of the statistics list: favourites, user names and display
    // options are edited in place; folder gives the names file and the window-state file,
    // helpFile the help file whose folder holds the description pages. False when cancelled.
    virtual bool editFavorites(stats::TStatList& list, const core::DataFolder& folder, const QString& helpFile) = 0;

    // Opens an address or a file with the platform's default handler. False when no program took
    // it (no browser, no viewer for the file's type).
    virtual bool openUrl(const QString& url) = 0;

    // The generation dialog on a copy of the settings; save tells whether they become the
    // stored settings. False when cancelled.
    virtual bool editGenSettings(core::TGenSettings& settings, bool& save) = 0;
    // The filter dialog: the item is edited in place; false when the person cancelled.
    virtual bool editFilter(combos::TFilterItem& item) = 0;
    // File pickers with a filter such as "Файлы комбинаций (*.lcv)"; empty when cancelled.
    virtual QString pickOpenFile(const QString& filter) = 0;
    virtual QString pickSaveFile(const QString& filter, const QString& defaultSuffix) = 0;
    // The system clipboard's text.
    virtual bool clipboardHasText() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // A progress window counting steps 0..total; lets pending window events run.
    virtual void progressBegin(const QString& text, int total) = 0;
    virtual void progressStep(int done) = 0;
    virtual void progressEnd() = 0;
    // The stake dialog ("Добавление ставки"): the record and the number of draws are edited in
    // place; false when cancelled.
    virtual bool editStake(stakes::TStakeRec& rec, int& copies) = 0;
    // The multi-stake dialog ("Добавление мультиставки").
    virtual bool editMultiStake(int& drawNum, int& copies, QString& comment) = 0;
    // The delete-by-condition dialog: the comparison 0..4 and the number of matches.
    virtual bool editStakeFilter(int& op, int& value) = 0;
    // The script line editor titled with caption; line is edited in place (empty: a new line,
    // whose excluded-draws box starts at defaultExclude). False when cancelled.
    virtual bool editScriptLine(QString& line, const QString& caption, int defaultExclude) = 0;
    // The rule dialog ("Добавление регулярной ставки"): the prepared rule, whose StakeCount holds
    // the number of combinations selected in the combination list, is edited in place; comments
    // are those of the existing rules, which a new one must not repeat. False when cancelled.
    virtual bool editTableRule(stakes::TTableRec& rec, const QStringList& comments) = 0;
    // "Количество тестов": a count 1..max, or 0 when cancelled.
    virtual int askTestCount(int max) = 0;
    // Lets pending window events run, the person's input included, without changing what is
    // shown: the heartbeat of a script run, whose stop action must stay within reach.
    virtual void processEvents() {}
    // The general graph window ("График") with the given series, shown modally.
    virtual void showGraph(const core::GraphData& graph) = 0;

    // The wait window of the draw download: a small always-on-top window with one centred line,
    // shown (or given a new text) and closed; showing lets pending window events run.
    virtual void showWaitWindow(const QString& text) = 0;
    virtual void closeWaitWindow() = 0;
    // Called about twenty times a second while a network request, a process or a library call
    // that cannot report waits, so the window stays alive (repaints, no input).
    virtual void keepAlive() = 0;
    // The proxy dialog ("Параметры proxy-сервера") on a copy of the settings: the mode and the
    // four fields are edited in place; false when cancelled.
    virtual bool editProxy(core::TProxy& proxy) = 0;

    // The progress window of multi-step operations: a borderless centred window with one text
    // line and a gauge, shown with a text and a maximum, given a new text or position, closed.
    // Showing and updating let pending window events run. ProgressWindow (app/) keeps it to one
    // at a time and counts the steps.
    virtual void progressWindowShow(const QString& text, int maximum) = 0;
    virtual void progressWindowUpdate(const QString& text, int position) = 0;
    virtual void progressWindowClose() = 0;
    // The same window with a "Стоп" button, for an operation that can end early keeping what it
    // has; stopRequested tells whether the button was pressed since the window was shown.
    virtual void progressWindowShowStoppable(const QString& text, int maximum) { progressWindowShow(text, maximum); }
    virtual bool progressWindowStopRequested() { return false; }
    // The export dialog ("Экспорт в Microsoft Excel") on the parameters of one export; false when
    // cancelled.
    virtual bool editExport(xls::ExportDialogState& state) = 0;
    // Opens a document with the platform's default handler; false when there is none.
    virtual bool openDocument(const QString& path) = 0;
    // The system dialog ("Система") on the record, edited in place when editable (the lines come
    // and go in clist); read-only it only shows it. False when cancelled or not editable.
    virtual bool editSystem(stakes::tSystemData& system, bool editable) = 0;
    // The dialog "Создать систему": the count of numbers, the guarantee t if m, the bankers and
    // the time in seconds, edited in place; false when cancelled.
    virtual bool editWheel(stakes::WheelParams& params, int& seconds) = 0;
    // The dialog "Свойства сценария" on the form's record, edited in place when the form is
    // editable: OK runs the form's check and keeps the dialog open while it refuses. Read-only
    // it only shows the record. False when cancelled or not editable.
    virtual bool editScriptProperties(ScriptPropertiesForm& form) = 0;
    // An input box with a caption, a prompt and the text edited in place; false when cancelled.
    virtual bool askText(const QString& caption, const QString& prompt, QString& text) = 0;
    // The window "Оценки пользователей" with one row per rating, shown modally.
    virtual void showScriptRates(const std::vector<online::tScriptRate>& rates) = 0;
    // The dialog "Найдена новая версия программы": the running version, the new one as the
    // description names it and the release notes. True when the person chose to install it.
    virtual bool confirmUpdate(const QString& current, const QString& next, const QStringList& notes) = 0;
};

} // namespace app
