#pragma once

// "Добавление ставки": the draw number, how many draws from it, the five numbers with their sum
// and the comment. OK stays refused until the numbers and the comment pass.

#include "stakes/StakeRecord.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class StakeDialog;
}

namespace ui {

class StakeDialog : public QDialog
{
    Q_OBJECT

public:
    StakeDialog(const stakes::TStakeRec& rec, int copies, QWidget* parent = nullptr);
    ~StakeDialog() override;

    // The caller's record with the draw number, the comment and the numbers sorted ascending;
    // the other fields unchanged. Valid after the dialog was accepted.
    const stakes::TStakeRec& record() const { return m_rec; }
    int copies() const;

    // Shows a refusal; tests replace it so no modal box blocks them.
    std::function<void(const QString&)> showError;

    void accept() override;

private:
    void showSum();

    std::unique_ptr<Ui::StakeDialog> m_ui;
    stakes::TStakeRec m_rec;
};

} // namespace ui
