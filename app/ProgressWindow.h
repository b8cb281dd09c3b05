#pragma once

// The progress window of a long multi-step operation: a text line and a gauge counting steps.
// One at a time: opening a second while one is shown is refused with "Окно индикатора уже
// создано!". The window closes when the object ends, whatever way the operation ends.

#include "app/UserIo.h"
#include "core/Progress.h"

namespace app {

class ProgressWindow final : public core::Progress
{
public:
    // Throws core::EConvertError while another progress window is shown. An empty text shows
    // "Подождите пожалуйста...".
    ProgressWindow(UserIo& io, const QString& text, int steps, bool stoppable = false);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void setText(const QString& text) override;
    void step(int count = 1) override;
    void keepAlive() override;
    void close();
    // Moves the gauge to a position, for operations measured in time rather than steps.
    void setPosition(int position);
    // A stoppable window's "Стоп" was pressed.
    bool stopRequested() const { return m_open && m_io.progressWindowStopRequested(); }

    const QString& text() const { return m_text; }
    int position() const { return m_position; }
    int maximum() const { return m_maximum; }
    static bool isShown() { return s_current != nullptr; }

private:
    void update(bool force);

    UserIo& m_io;
    QString m_text;
    int m_maximum = 0;
    int m_position = 0;
    int m_shownPermille = -1;
    bool m_open = true;
    static ProgressWindow* s_current;
};

} // namespace app
