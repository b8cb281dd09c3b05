#pragma once

// The progress of a long word on one line of stderr: the per cent done when it is known and the
// current step, rewritten in place. Only on a terminal: a script or a test reading stderr gets
// exactly the lines it always got.

#include <QElapsedTimer>
#include <QString>

namespace cli {

class CliProgressLine
{
public:
    CliProgressLine() = default;
    ~CliProgressLine();
    CliProgressLine(const CliProgressLine&) = delete;
    CliProgressLine& operator=(const CliProgressLine&) = delete;

    // Shown only when switched on and stderr is a terminal.
    void setShown(bool shown);
    bool shown() const { return m_shown; }

    // A counted task: its caption and how many steps it has (0: not counted).
    void begin(const QString& caption, int total);
    void step(int done);
    void end();
    // The current step; an empty text keeps the caption.
    void setStep(const QString& text);
    // The per cent done, -1 when unknown.
    void setPercent(int percent);

    // Wipes the line before other output, so that it never runs into a message; the next
    // change draws it again.
    static void interrupt();

private:
    void draw(bool force);
    void wipe();

    bool m_shown = false;
    bool m_drawn = false;
    QString m_caption;
    QString m_step;
    int m_total = 0;
    int m_percent = -1;
    QString m_lastLine;
    QElapsedTimer m_lastDraw;

    static CliProgressLine* s_current;
};

} // namespace cli
