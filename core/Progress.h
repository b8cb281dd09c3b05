#pragma once

// The progress window of a long operation as the logic sees it: one text line and a gauge that
// counts steps. The session gives the logic one; the logic never knows whether a window, a
// terminal or nothing at all shows it.

#include <QString>

namespace core {

class Progress
{
public:
    virtual ~Progress() = default;

    virtual void setText(const QString& text) = 0;
    // Advances the gauge by count steps, never past its maximum.
    virtual void step(int count = 1) = 0;
    // Called now and then while the operation waits for work that runs elsewhere (another
    // thread, a library call that cannot report), so whoever shows the progress stays alive.
    virtual void keepAlive() {}
};

} // namespace core
