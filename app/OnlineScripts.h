#pragma once

// The controller of the online script catalogue: the rows of the panel under the script
// list, the panel's switch and filter in the window-state file, and the commands on the rows.
// The requests live in online/ScriptsLibrary; this adds busy state, status texts, the person's
// door, and the current script that a download replaces and a publication sends.
//
// A download replaces the current script without a question; the previous working copy is kept
// beside it as "Vertoma_5x54.lss.bak" first, so one mistaken click loses nothing. After every
// operation that changes the catalogue (download counts, publication, replacement, deletion,
// rating) the list is loaded again, so it shows what the host keeps.

#include "app/Languages.h"
#include "online/ScriptsLibrary.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

namespace core {
class IniFile;
}

namespace app {

class ScriptController;
class Services;
class WebController;

// What the OK of the properties dialog found, checked in order: the title, its uniqueness on
// the host, the author.
enum class ScriptPropertiesVerdict { Accepted, BadTitle, CheckFailed, BadAuthor };

// The dialog "Свойства сценария" as the person's door opens it.
struct ScriptPropertiesForm
{
    online::tScriptData data;
    bool editable = true;
    // The interface languages the program has, the built-in one first.
    QList<LanguageInfo> languages;
    // The program a script not marked universal is for ("Только в \"%s\"").
    QString appName;
    // Runs on OK of an editable dialog; the message was shown unless it accepts.
    std::function<ScriptPropertiesVerdict(const online::tScriptData&)> check;
};

class OnlineScripts : public QObject
{
    Q_OBJECT

public:
    OnlineScripts(Services& services, const WebController& web, ScriptController& script);

    // The entries of the filter selector, in order.
    static QStringList filterCaptions();
    // "Мой"/"Общий", the program, the language and the user's rating as the list shows them.
    static QString kindText(const online::tScriptInfo& row);
    static QString programText(const online::tScriptInfo& row);
    static QString myRatingText(const online::tScriptInfo& row);

    // ---- the window-state switches "ScriptLibraryOn" and "ScriptLibraryFilter"
    void readState(const core::IniFile& ini);
    bool shown() const { return m_shown; }
    // ScriptLibrary: stores the switch at once; shown, the list is loaded; hidden, it is emptied.
    void setShown(bool on);
    // For this run only, unstored (the tool works on the catalogue without the panel).
    void setShownForRun(bool on) { m_shown = on; }
    int filter() const { return m_filter; }
    // Stores the filter at once and loads the list again.
    void setFilter(int index);
    // Start-up: the list is loaded when the panel is shown and a service address is set.
    void startUp();
    // The interface language the requests name.
    void setLanguage(int lcid) { m_lcid = lcid; }
    int language() const { return m_lcid; }

    // ---- the list
    const std::vector<online::tScriptInfo>& rows() const { return m_rows; }
    const online::tScriptInfo* row(int index) const;
    // The row of the script with this id, or -1.
    int rowOfId(int id) const;
    // The selected row's script id (-1: none): reloads select it again.
    int currentId() const { return m_currentId; }
    void setCurrentId(int id) { m_currentId = id; }

    // ---- enabling rules of the commands on a row
    bool canDownload(int index) const;
    bool canUpload() const;
    bool canReplace(int index) const;
    bool canDelete(int index) const;

    // ---- the commands; each reports its own failure
    // ScriptLibraryRefresh: with the panel shown, the list of the current filter; hidden, none.
    bool refresh();
    // The rows become the list of a filter, whether the panel is shown or not.
    bool load(int filter);
    // One filter's list without touching the rows; nullopt after the failure was shown.
    std::optional<std::vector<online::tScriptInfo>> fetchList(int filter);
    // ScriptLibraryDownload: the script becomes the current script.
    bool download(int index);
    // ScriptLibraryUpload: the dialog on a new script, then the publication. The new id or -1.
    int upload();
    // The publication of the current script with these properties (their check has passed).
    int publish(const online::tScriptData& data);
    // ScriptLibraryReplace: the dialog on the row's properties, then the replacement.
    bool replace(int index);
    bool replaceWith(int index, const online::tScriptData& data);
    // ScriptLibraryDelete: after the question; the row goes only when the host answers 0.
    bool remove(int index);
    // ScriptLibraryView: the dialog read-only.
    bool view(int index);
    // ScriptLibraryRate1..5 (with the comment box), ScriptLibraryHide (-1), ScriptLibraryRate0 (0).
    bool rate(int index, int value);
    bool rateWith(int index, int value, const QString& notes);
    // ScriptLibraryRates: the window of the users' ratings.
    bool showRates(int index);
    // The ratings of the row's script; hasResult tells whether the reply held a result at all.
    std::optional<std::vector<online::tScriptRate>> fetchRates(int index, bool* hasResult = nullptr);

    // The properties a new publication starts from, and those of a row.
    online::tScriptData newProperties() const;
    online::tScriptData propertiesOf(int index) const;
    // The checks of the dialog's OK, each showing its message.
    ScriptPropertiesVerdict checkProperties(const online::tScriptData& data);

signals:
    // The rows were replaced; the page selects the row rowWanted names next.
    void listReset();
    void rowWanted(int index);
    void shownChanged(bool on);
    void filterChanged(int index);

private:
    std::optional<online::ScriptsLibrary> open(QString& error) const;
    ScriptPropertiesForm form(const online::tScriptData& data, bool editable);
    // Replaces the rows and selects the current id again.
    void setRows(std::vector<online::tScriptInfo> rows);
    bool validRow(int index) const { return index >= 0 && std::size_t(index) < m_rows.size(); }

    Services& m_services;
    const WebController& m_web;
    ScriptController& m_script;
    bool m_shown = true;
    int m_filter = online::kScriptFilterDefault;
    int m_lcid = kNativeLanguage;
    int m_currentId = -1;
    std::vector<online::tScriptInfo> m_rows;
};

} // namespace app
