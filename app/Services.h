#pragma once

// What nearly every controller needs and nothing owns alone: the door to the person, the data
// folder, the busy state with the status text, the message kinds and the switches of the main
// window's section of the state file. The session makes one and hands it to every controller.

#include "app/UserIo.h"
#include "core/DataFolder.h"

#include <QObject>
#include <QStringList>

namespace app {

// Window-state switches and lengths that the logic itself reads.
struct WindowStateData
{
    bool SortedDraws = false;
    bool ColorDraws = true;
    bool ColorCombs = true;
    int DrawsExclude = 0;
    bool FirstRun = false;
    bool PrefetchsInit = false;
    bool PrefetchsEnabled = false;
    bool ShowTotalLine = true;
};

class Services : public QObject
{
    Q_OBJECT

public:
    Services(UserIo& io, core::DataFolder folder, QStringList arguments = {});

    UserIo& io() const { return m_io; }
    const core::DataFolder& folder() const { return m_folder; }
    bool hasCommandWord(const QString& word) const;

    // ---- busy state and status text
    void enterBusy();
    void leaveBusy();
    bool isIdle() const { return m_busy == 0; }
    void showStatus(const QString& text);
    const QString& statusText() const { return m_statusText; }
    // Something shown in the status bar's panels changed.
    void panelsChanged() { emit statusPanelsChanged(); }

    // ---- the five message kinds and the two question kinds
    void showError(const QString& text);
    void showInformation(const QString& text);
    void showAttention(const QString& text);
    void showWarning(const QString& text);
    bool askQuestion(const QString& caption, const QString& text);
    bool askConfirmation(const QString& text, bool yesDefault);

    // ---- pages and files another program shows
    // Opens the help file; when it is missing or nothing can show it, says why and where the help
    // files are.
    void openHelp(const QString& path);
    // Opens an address or a file; says why when nothing can show it.
    void openLink(const QString& url);
    // What openLink says when url did not open.
    static QString linkFailureText(const QString& url);

    // ---- the main window's section of the state file
    const WindowStateData& windowState() const { return m_state; }
    WindowStateData& windowState() { return m_state; }
    // Stores one switch at once; shows the error when that fails.
    void storeStateBool(const QString& key, bool value);
    void storeStateInt(const QString& key, int value);

signals:
    void busyChanged(bool busy);
    void statusTextChanged(const QString& text);
    void statusPanelsChanged();

private:
    UserIo& m_io;
    core::DataFolder m_folder;
    QStringList m_arguments;
    int m_busy = 0;
    QString m_statusText;
    WindowStateData m_state;
};

// Enters the busy state for one scope and always leaves it, clearing the status text.
class BusyScope
{
public:
    BusyScope(Services& services, const QString& status);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Services& m_services;
};

// The counted progress of UserIo (progressBegin .. progressEnd) for one scope: it ends however
// the scope is left, so a failed operation never leaves its progress on the screen.
class ProgressScope
{
public:
    ProgressScope(UserIo& io, const QString& text, int total);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void step(int done) { m_io.progressStep(done); }

private:
    UserIo& m_io;
};

} // namespace app
