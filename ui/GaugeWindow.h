#pragma once

// The progress window: a borderless window centred over its owner with one text line and a
// gauge. The session's ProgressWindow drives it through QtUserIo.

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ui {

class GaugeWindow : public QFrame
{
    Q_OBJECT

public:
    explicit GaugeWindow(QWidget* owner);

    // Shows the window with a text and a gauge from 0 to maximum, painted at once. A stoppable
    // window has a "Стоп" button and keeps the rest of the program from input while shown.
    void start(const QString& text, int maximum, bool stoppable = false);
    bool stopRequested() const { return m_stopRequested; }
    void update(const QString& text, int position);

    QString text() const;
    int position() const;
    int maximum() const;

private:
    void paintNow();

    QWidget* m_owner;
    QLabel* m_label;
    QProgressBar* m_gauge;
    QPushButton* m_stop;
    bool m_stoppable = false;
    bool m_stopRequested = false;
};

} // namespace ui
