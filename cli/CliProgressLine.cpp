#include "cli/CliProgressLine.h"

#include <algorithm>
#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace cli {

namespace {

// Redrawing more often than this only makes the terminal flicker.
constexpr qint64 kRedrawMs = 100;

int terminalColumns()
{
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

void writeStderr(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

CliProgressLine* CliProgressLine::s_current = nullptr;

CliProgressLine::~CliProgressLine()
{
    wipe();
    if (s_current == this)
        s_current = nullptr;
}

void CliProgressLine::setShown(bool shown)
{
    m_shown = shown && ::isatty(STDERR_FILENO) == 1;
    if (m_shown)
        s_current = this;
    else
        wipe();
}

void CliProgressLine::begin(const QString& caption, int total)
{
    m_caption = caption;
    m_step.clear();
    m_total = std::max(total, 0);
    m_percent = m_total > 0 ? 0 : -1;
    draw(true);
}

void CliProgressLine::step(int done)
{
    if (m_total <= 0)
        return;
    setPercent(int(std::clamp<qint64>(qint64(done) * 100 / m_total, 0, 100)));
}

void CliProgressLine::end()
{
    m_caption.clear();
    m_step.clear();
    m_total = 0;
    m_percent = -1;
    wipe();
}

void CliProgressLine::setStep(const QString& text)
{
    if (text == m_step)
        return;
    m_step = text;
    draw(false);
}

void CliProgressLine::setPercent(int percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    draw(false);
}

void CliProgressLine::interrupt()
{
    if (s_current)
        s_current->wipe();
}

void CliProgressLine::draw(bool force)
{
    if (!m_shown)
        return;
    if (!force && m_lastDraw.isValid() && m_lastDraw.elapsed() < kRedrawMs)
        return;
    const QString text = m_step.isEmpty() ? m_caption : m_step;
    if (text.isEmpty() && m_percent < 0) {
        wipe();
        return;
    }
    QString line = m_percent >= 0 ? QStringLiteral("[%1%] ").arg(m_percent, 3) + text : text;
    // One line: never wider than the terminal, so that \r always returns to its start.
    line = line.left(std::max(1, terminalColumns() - 1));
    if (m_drawn && line == m_lastLine)
        return;
    writeStderr("\r" + line.toUtf8() + "\x1b[K");
    m_drawn = true;
    m_lastLine = line;
    m_lastDraw.start();
}

void CliProgressLine::wipe()
{
    if (!m_drawn)
        return;
    writeStderr("\r\x1b[K");
    m_drawn = false;
    m_lastLine.clear();
}

} // namespace cli
