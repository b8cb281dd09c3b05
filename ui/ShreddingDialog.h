#pragma once

// The shredding formulas dialog: three formulas over the numbers of the current and the
// previous draw, each with the number of decimals it keeps. Edits a copy; the caller takes
// result() after OK.

#include "core/GameTypes.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QSpinBox;

namespace Ui {
class ShreddingDialog;
}

namespace ui {

class ShreddingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ShreddingDialog(const core::TShreddingData& data, QWidget* parent = nullptr);
    ~ShreddingDialog() override;

    core::TShreddingData result() const;

private:
    QLineEdit* formulaEdit(int i) const;
    QSpinBox* digitsEdit(int i) const;

    std::unique_ptr<Ui::ShreddingDialog> m_ui;
};

} // namespace ui
