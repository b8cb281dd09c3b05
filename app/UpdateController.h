#pragma once

// The controller of the self-update: the switch "AutoUpdates", the source of the update
// description, and the whole run with its busy state, progress windows, the dialog with the
// release notes and the messages. The description, the checks and the installation steps live
// in online/SelfUpdate.

#include "online/SelfUpdate.h"

#include <QObject>

namespace core {
class IniFile;
}

namespace app {

class Services;
class WebController;

class UpdateController : public QObject
{
    Q_OBJECT

public:
    enum Result { NothingInstalled = 0, Installed = 1, Failed = 2 };

    UpdateController(Services& services, const WebController& web);

    // "AutoUpdates" of the window-state file, on unless it says otherwise.
    void readState(const core::IniFile& ini);
    bool autoUpdates() const { return m_autoUpdates; }
    // The action AutoSelfUpdate: the switch is stored at once.
    void setAutoUpdates(bool on);
    // The interface language, which picks the release notes.
    void setLanguage(int lcid) { m_lcid = lcid; }
    int language() const { return m_lcid; }

    // "UpdateSource" of the configuration when set, otherwise the service host's description;
    // empty when neither address is set.
    QString defaultSource() const;

    // The check and, when the person agrees, the installation. silent keeps quiet about no
    // update and about a failed search. Installed means the program must restart.
    Result selfUpdateRun(const QString& source, bool silent, int lcid);
    // The action CheckUpdate.
    Result checkUpdate();
    // The start-up step: a silent run when "AutoUpdates" is on.
    Result startUpCheck();

    // False when the installation folder cannot be written: a system package, which the
    // package manager updates; packageManaged() says so to the person.
    bool installWritable() const;
    QString packageManaged() const;

    // The search alone, for the command-line tool: false with the reason when it failed.
    bool search(const QString& source, online::UpdateSearch& found, QString* error);

    // Where and what is updated: the executable's folder, the product's section, the running
    // version. The tests point them elsewhere.
    online::UpdateSite site() const;
    void setInstallDir(const QString& dir) { m_installDir = dir; }
    void setCurrentVersion(const QString& version) { m_currentVersion = version; }
    const QString& currentVersion() const { return m_currentVersion; }
    void setProcessTimeout(int seconds) { m_processTimeout = seconds; }

signals:
    void autoUpdatesChanged(bool on);

private:
    Services& m_services;
    const WebController& m_web;
    bool m_autoUpdates = true;
    int m_lcid;
    QString m_installDir;
    QString m_currentVersion;
    QString m_runningExe;
    int m_processTimeout = 60;
};

} // namespace app
