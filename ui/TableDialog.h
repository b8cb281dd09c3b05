#pragma once

// "Добавление регулярной ставки": the comment, a constant start combination or the numbers of
// the previous draw, and the step. OK stays refused until the start and the comment pass.

#include "stakes/StakeTables.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TableDialog;
}

namespace ui {

class TableDialog : public QDialog
{
    Q_OBJECT

public:
    // rec is the prepared rule with the number of selected combinations in StakeCount;
    // comments are those of the existing rules.
    TableDialog(const stakes::TTableRec& rec, const QStringList& comments, QWidget* parent = nullptr);
    ~TableDialog() override;

    // The caller's record with the comment, the mode, the step and, for one selected
    // combination, the start typed; the start sorted ascending. Valid after the dialog was accepted.
    const stakes::TTableRec& record() const { return m_rec; }

    // Shows a refusal; tests replace it so no modal box blocks them.
    std::function<void(const QString&)> showError;

    void accept() override;

private:
    void updateEnabled();

    std::unique_ptr<Ui::TableDialog> m_ui;
    stakes::TTableRec m_rec;
    QStringList m_comments;
    // Exactly one combination is selected: only then is a start of its own typed.
    bool m_single = false;
};

} // namespace ui
