#pragma once

// The progress window: a borderless window centred over its owner with one text line and a
// gauge. The session's ProgressWindow drives it through QtUserIo.

#include <QFrame>

class QLabel;
class QProgressBar;

namespace ui {

class GaugeWindow : public QFrame
{
    Q_OBJECT

public:
    explicit GaugeWindow(QWidget* owner);

    // Shows the window with a text and a gauge from 0 to maximum, painted at once.
    void start(const QString& text, int maximum);
    void update(const QString& text, int position);

    QString text() const;
    int position() const;
    int maximum() const;

private:
    void paintNow();

    QWidget* m_owner;
    QLabel* m_label;
    QProgressBar* m_gauge;
};

} // namespace ui
