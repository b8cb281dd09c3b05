#pragma once

// The person at the desktop: real message boxes and dialogs, the hourglass cursor, and pending
// window events run whenever the status text changes so a long operation keeps the window alive.

#include "app/UserIo.h"

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

namespace app {
class Session;
}

namespace ui {

class WaitWindow;
class GaugeWindow;

class QtUserIo : public app::UserIo
{
public:
    void setOwner(QWidget* owner) { m_owner = owner; }
    // The session whose statistics list, statistic and coefficients the filter dialog starts from.
    void setSession(app::Session* session) { m_session = session; }

    void showStatus(const QString& text) override;
    void busyChanged(bool busy) override;
    void showMessage(app::MessageKind kind, const QString& text) override;
    int askChoice(const QString& caption, const QString& text, const QStringList& choices, int defaultChoice) override;
    bool askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon) override;
    bool editDraw(core::TDrawRec& rec, const QString& title, bool showDate) override;
    bool editConfig(core::TConfigData& config, net::NetworkSettings& network) override;
    bool editShredding(core::TShreddingData& data) override;
    bool editFavorites(stats::TStatList& list, const core::DataFolder& folder, const QString& helpFile) override;
    bool openUrl(const QString& url) override;
    bool editGenSettings(core::TGenSettings& settings, bool& save) override;
    bool editFilter(combos::TFilterItem& item) override;
    QString pickOpenFile(const QString& filter) override;
    QString pickSaveFile(const QString& filter, const QString& defaultSuffix) override;
    bool clipboardHasText() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void progressBegin(const QString& text, int total) override;
    void progressStep(int done) override;
    void progressEnd() override;
    void showGraph(const core::GraphData& graph) override;
    bool editStake(stakes::TStakeRec& rec, int& copies) override;
    bool editMultiStake(int& drawNum, int& copies, QString& comment) override;
    bool editStakeFilter(int& op, int& value) override;
    bool editScriptLine(QString& line, const QString& caption, int defaultExclude) override;
    bool editTableRule(stakes::TTableRec& rec, const QStringList& comments) override;
    int askTestCount(int max) override;
    void processEvents() override;
    void showWaitWindow(const QString& text) override;
    void closeWaitWindow() override;
    void keepAlive() override;
    bool editProxy(core::TProxy& proxy) override;
    void progressWindowShow(const QString& text, int maximum) override;
    void progressWindowUpdate(const QString& text, int position) override;
    void progressWindowClose() override;
    void progressWindowShowStoppable(const QString& text, int maximum) override;
    bool progressWindowStopRequested() override;
    bool editExport(xls::ExportDialogState& state) override;
    bool openDocument(const QString& path) override;
    // The progress window while it is shown, for the tests; null otherwise.
    QWidget* gaugeWindow() const;
    bool editSystem(stakes::tSystemData& system, bool editable) override;
    bool editWheel(stakes::WheelParams& params, int& seconds) override;
    bool editScriptProperties(app::ScriptPropertiesForm& form) override;
    bool askText(const QString& caption, const QString& prompt, QString& text) override;
    void showScriptRates(const std::vector<online::tScriptRate>& rates) override;
    bool confirmUpdate(const QString& current, const QString& next, const QStringList& notes) override;
    // The wait window while it is shown, for the tests; null otherwise.
    QWidget* waitWindow() const;

private:
    QPointer<QWidget> m_owner;
    app::Session* m_session = nullptr;
    QPointer<QProgressDialog> m_progress;
    QPointer<WaitWindow> m_wait;
    QPointer<GaugeWindow> m_gauge;
};

} // namespace ui
