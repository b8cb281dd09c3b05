#pragma once

// Starting a helper program and waiting for it, the way an installer step does: the caller's
// window stays alive while it waits, and a program that hangs is ended after its time.

#include <QString>
#include <QStringList>

#include <functional>

namespace core {

struct RunOptions
{
    int timeoutSeconds = 0; // 0: wait as long as it runs
    bool wait = true;       // false: start it and return 0 at once
    // Called every 100 ms while the program runs, so a window on the same thread stays alive.
    std::function<void()> keepAlive;
};

// Starts program (with arguments) in folder. With wait, returns its exit code; a program killed
// by a signal gives -1. Throws EConvertError with the system's reason when it cannot be started,
// and with "Ожидание завершения процесса (файла) "%s" прервано в связи с превышением времени
// ожидания!" (the program's file name) after the time-out, having ended it.
int RunProcess(const QString& folder, const QString& program, const QStringList& arguments,
               const RunOptions& options);

} // namespace core
