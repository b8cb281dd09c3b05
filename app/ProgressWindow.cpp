#include "app/ProgressWindow.h"

#include "core/TextForms.h"

#include <QCoreApplication>

#include <algorithm>

namespace app {

ProgressWindow* ProgressWindow::s_current = nullptr;

ProgressWindow::ProgressWindow(UserIo& io, const QString& text, int steps, bool stoppable)
    : m_io(io), m_maximum(std::max(steps, 0))
{
    if (s_current)
        throw core::EConvertError(QCoreApplication::translate("app::ProgressWindow", "Окно индикатора уже создано!"));
    s_current = this;
    m_text = text.isEmpty() ? QCoreApplication::translate("app::ProgressWindow", "Подождите пожалуйста...") : text;
    if (stoppable)
        m_io.progressWindowShowStoppable(m_text, m_maximum);
    else
        m_io.progressWindowShow(m_text, m_maximum);
    m_shownPermille = 0;
}

ProgressWindow::~ProgressWindow()
{
    close();
}

void ProgressWindow::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (s_current == this)
        s_current = nullptr;
    m_io.progressWindowClose();
}

void ProgressWindow::setText(const QString& text)
{
    if (!m_open || text == m_text)
        return;
    m_text = text;
    update(true);
}

void ProgressWindow::step(int count)
{
    if (!m_open || count <= 0)
        return;
    m_position = int(std::min<qint64>(qint64(m_position) + count, m_maximum));
    update(false);
}

void ProgressWindow::setPosition(int position)
{
    if (!m_open)
        return;
    m_position = std::clamp(position, 0, m_maximum);
    update(false);
}

void ProgressWindow::keepAlive()
{
    if (m_open)
        m_io.keepAlive();
}

void ProgressWindow::update(bool force)
{
    // A gauge moves in thousandths at most: a list of millions of rows must not repaint the
    // window once per row.
    const int permille = m_maximum > 0 ? int(qint64(m_position) * 1000 / m_maximum) : 0;
    if (!force && permille == m_shownPermille)
        return;
    m_shownPermille = permille;
    m_io.progressWindowUpdate(m_text, m_position);
}

} // namespace app
