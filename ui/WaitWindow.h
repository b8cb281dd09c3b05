#pragma once

// The wait window of the draw download: a small always-on-top window without a frame of the
// window manager, one centred text, placed over the middle of its owner.

#include <QFrame>

class QLabel;

namespace ui {

class WaitWindow : public QFrame
{
    Q_OBJECT

public:
    explicit WaitWindow(QWidget* owner);

    // Sets the text, shows the window if it is hidden and paints it now.
    void showText(const QString& text);
    QString text() const;

private:
    void placeOverOwner();

    QWidget* m_owner;
    QLabel* m_label;
};

} // namespace ui
