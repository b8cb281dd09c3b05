#pragma once

// The dialog "Создать систему": how many numbers, the guarantee "t if m", the bankers and the
// time to search, with the best known size and the lower bound of the parameters shown as they
// change.

#include "stakes/WheelMaker.h"

#include <QDialog>

class QLabel;
class QSpinBox;

namespace ui {

class WheelDialog : public QDialog
{
    Q_OBJECT

public:
    WheelDialog(const stakes::WheelParams& params, int seconds, QWidget* parent = nullptr);

    stakes::WheelParams params() const;
    int seconds() const;
    // What the dialog shows of the sizes known for the parameters.
    QString sizesText() const;

private:
    // Keeps m within t..5 and the bankers within what t allows, and shows the known sizes.
    void follow();

    QSpinBox* m_nums;
    QSpinBox* m_guarantee;
    QSpinBox* m_drawn;
    QSpinBox* m_bankers;
    QSpinBox* m_seconds;
    QLabel* m_sizes;
};

} // namespace ui
