#include "FakeUserIo.h"

#include "stakes/StakeRecord.h"
#include "stats/StatList.h"

namespace testsupport {

void FakeUserIo::showStatus(const QString& text)
{
    statusTexts << text;
}

void FakeUserIo::busyChanged(bool busy)
{
    busyTransitions << busy;
}

void FakeUserIo::showMessage(app::MessageKind kind, const QString& text)
{
    messages.append({kind, text});
}

bool FakeUserIo::askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon)
{
    questions.append({caption, text, yesDefault, warningIcon});
    return answers.isEmpty() ? false : answers.dequeue();
}

int FakeUserIo::askChoice(const QString& caption, const QString& text, const QStringList& choices, int defaultChoice)
{
    choiceQuestions.append({caption, text, choices, defaultChoice});
    return choiceAnswers.isEmpty() ? -1 : choiceAnswers.dequeue();
}

bool FakeUserIo::editDraw(core::TDrawRec& rec, const QString& title, bool)
{
    drawDialogTitles << title;
    if (drawEdits.isEmpty())
        return false;
    const auto edit = drawEdits.dequeue();
    if (!edit)
        return false;
    (*edit)(rec);
    return true;
}

bool FakeUserIo::editConfig(core::TConfigData& config, net::NetworkSettings& network)
{
    networkStarts << network;
    if (configEdits.isEmpty())
        return false;
    const auto edit = configEdits.dequeue();
    if (!edit)
        return false;
    config = *edit;
    if (!networkEdits.isEmpty())
        network = networkEdits.dequeue();
    return true;
}

void FakeUserIo::showWaitWindow(const QString& text)
{
    waitTexts << text;
    waitOpen = true;
}

void FakeUserIo::closeWaitWindow()
{
    ++waitCloses;
    waitOpen = false;
}

bool FakeUserIo::editSystem(stakes::tSystemData& system, bool editable)
{
    systemStarts.append({system, editable});
    if (systemEdits.isEmpty())
        return false;
    const auto edit = systemEdits.dequeue();
    if (!edit || !editable)
        return false;
    (*edit)(system);
    return true;
}

bool FakeUserIo::editWheel(stakes::WheelParams& params, int& seconds)
{
    if (wheelEdits.isEmpty())
        return false;
    const auto edit = wheelEdits.dequeue();
    if (!edit)
        return false;
    params = edit->first;
    seconds = edit->second;
    return true;
}

void FakeUserIo::progressWindowShowStoppable(const QString& text, int maximum)
{
    ++stoppableWindows;
    m_updatesAtStoppable = int(progressWindowUpdates.size());
    progressWindowShow(text, maximum);
}

bool FakeUserIo::progressWindowStopRequested()
{
    return stopAfterUpdates >= 0 && int(progressWindowUpdates.size()) - m_updatesAtStoppable > stopAfterUpdates;
}

bool FakeUserIo::editScriptProperties(app::ScriptPropertiesForm& form)
{
    scriptPropertiesStarts.append(form);
    online::tScriptData data = form.data;
    while (!scriptPropertiesEdits.isEmpty()) {
        const auto edit = scriptPropertiesEdits.dequeue();
        if (!edit || !form.editable)
            return false;
        (*edit)(data);
        const app::ScriptPropertiesVerdict verdict =
            form.check ? form.check(data) : app::ScriptPropertiesVerdict::Accepted;
        scriptPropertiesVerdicts << verdict;
        if (verdict == app::ScriptPropertiesVerdict::Accepted) {
            form.data = data;
            return true;
        }
    }
    return false;
}

bool FakeUserIo::askText(const QString& caption, const QString& prompt, QString& text)
{
    textPrompts.append({caption, prompt});
    if (textAnswers.isEmpty())
        return false;
    const auto answer = textAnswers.dequeue();
    if (!answer)
        return false;
    text = *answer;
    return true;
}

bool FakeUserIo::confirmUpdate(const QString& current, const QString& next, const QStringList& notes)
{
    updateDialogs.append({current, next, notes});
    return !updateAnswers.isEmpty() && updateAnswers.dequeue();
}

bool FakeUserIo::editProxy(core::TProxy& proxy)
{
    proxyStarts << proxy;
    if (proxyEdits.isEmpty())
        return false;
    const auto edit = proxyEdits.dequeue();
    if (!edit)
        return false;
    proxy.Mode = edit->Mode;
    proxy.Server = edit->Server;
    proxy.Port = edit->Port;
    proxy.Username = edit->Username;
    proxy.Password = edit->Password;
    return true;
}

bool FakeUserIo::editShredding(core::TShreddingData& data)
{
    if (shreddingEdits.isEmpty())
        return false;
    const auto edit = shreddingEdits.dequeue();
    if (!edit)
        return false;
    data = *edit;
    return true;
}

bool FakeUserIo::editFavorites(stats::TStatList& list, const core::DataFolder&, const QString& helpFile)
{
    favoritesHelpFiles << helpFile;
    if (favoritesEdits.isEmpty())
        return false;
    const auto edit = favoritesEdits.dequeue();
    if (!edit)
        return false;
    (*edit)(list);
    return true;
}

bool FakeUserIo::openUrl(const QString& url)
{
    openedUrls << url;
    return urlsOpen;
}

bool FakeUserIo::editGenSettings(core::TGenSettings& settings, bool& save)
{
    if (genEdits.isEmpty())
        return false;
    const auto edit = genEdits.dequeue();
    if (!edit)
        return false;
    settings = edit->first;
    save = edit->second;
    return true;
}

bool FakeUserIo::editFilter(combos::TFilterItem& item)
{
    filterDialogItems << item;
    if (filterEdits.isEmpty())
        return false;
    const auto edit = filterEdits.dequeue();
    if (!edit)
        return false;
    item = *edit;
    return true;
}

QString FakeUserIo::pickOpenFile(const QString& filter)
{
    pickerFilters << filter;
    return pickedFiles.isEmpty() ? QString() : pickedFiles.dequeue();
}

QString FakeUserIo::pickSaveFile(const QString& filter, const QString&)
{
    pickerFilters << filter;
    return pickedFiles.isEmpty() ? QString() : pickedFiles.dequeue();
}

void FakeUserIo::setClipboardText(const QString& text)
{
    if (!text.isEmpty())
        clipboard = text;
}

void FakeUserIo::progressBegin(const QString& text, int)
{
    progressTexts << text;
}

void FakeUserIo::progressStep(int done)
{
    progressSteps << done;
}

void FakeUserIo::progressEnd()
{
    ++progressEnds;
}

QStringList FakeUserIo::messageTexts(app::MessageKind kind) const
{
    QStringList texts;
    for (const ShownMessage& m : messages) {
        if (m.kind == kind)
            texts << m.text;
    }
    return texts;
}

bool FakeUserIo::editStake(stakes::TStakeRec& rec, int& copies)
{
    if (stakeEdits.isEmpty())
        return false;
    const auto edit = stakeEdits.dequeue();
    if (!edit)
        return false;
    (*edit)(rec, copies);
    return true;
}

bool FakeUserIo::editMultiStake(int& drawNum, int& copies, QString& comment)
{
    multiStakeStarts.append({drawNum, copies, comment});
    if (multiStakeEdits.isEmpty())
        return false;
    const auto edit = multiStakeEdits.dequeue();
    if (!edit)
        return false;
    drawNum = edit->drawNum;
    copies = edit->copies;
    comment = edit->comment;
    return true;
}

bool FakeUserIo::editStakeFilter(int& op, int& value)
{
    if (stakeFilterEdits.isEmpty())
        return false;
    const auto edit = stakeFilterEdits.dequeue();
    if (!edit)
        return false;
    op = edit->first;
    value = edit->second;
    return true;
}

bool FakeUserIo::editScriptLine(QString& line, const QString& caption, int defaultExclude)
{
    scriptLineStarts.append({line, caption, defaultExclude});
    if (scriptLineEdits.isEmpty())
        return false;
    const auto edit = scriptLineEdits.dequeue();
    if (!edit)
        return false;
    line = *edit;
    return true;
}

bool FakeUserIo::editTableRule(stakes::TTableRec& rec, const QStringList& comments)
{
    tableStarts.append(rec);
    tableComments.append(comments);
    if (tableEdits.isEmpty())
        return false;
    const auto edit = tableEdits.dequeue();
    if (!edit)
        return false;
    (*edit)(rec);
    return true;
}

int FakeUserIo::askTestCount(int max)
{
    testCountMaxima << max;
    return testCounts.isEmpty() ? 0 : std::min(testCounts.dequeue(), max);
}

} // namespace testsupport

namespace testsupport {

void FakeUserIo::progressWindowShow(const QString& text, int maximum)
{
    progressWindowMaxima << maximum;
    progressWindowUpdates.append({text, 0});
}

void FakeUserIo::progressWindowUpdate(const QString& text, int position)
{
    progressWindowUpdates.append({text, position});
}

bool FakeUserIo::editExport(xls::ExportDialogState& state)
{
    exportStarts << state;
    if (exportEdits.isEmpty())
        return false;
    const auto edit = exportEdits.dequeue();
    if (!edit)
        return false;
    (*edit)(state);
    return true;
}

bool FakeUserIo::openDocument(const QString& path)
{
    if (!documentHandler)
        return false;
    openedDocuments << path;
    return true;
}

} // namespace testsupport
