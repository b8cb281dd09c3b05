#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace app {

// Number of running processes other than this one whose executable file name is exeName.
int CountOtherProcesses(const QString& exeName);

// Waits until no other process of exeName runs: checks, then waits 100 ms while letting events
// run, up to maxChecks checks. False when one still runs after the last check.
bool WaitForProcessesToEnd(const QString& exeName, int maxChecks = 601,
                           const std::function<int(const QString&)>& count = CountOtherProcesses);

// Starts a new process of this executable with the word "restart" (plus extraArgs) in its folder,
// without waiting for it. False with the system's reason when it could not be started.
bool RestartProgram(const QStringList& extraArgs, QString* error = nullptr);

} // namespace app
