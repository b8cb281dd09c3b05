#pragma once

// "Удаление по условию": a comparison with the number of matches, 0..5. It opens with
// "Равно [ = ]" and 0 every time.

#include <QDialog>

#include <memory>

namespace Ui {
class StakeFilterDialog;
}

namespace ui {

class StakeFilterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StakeFilterDialog(QWidget* parent = nullptr);
    ~StakeFilterDialog() override;

    int op() const;
    int value() const;

private:
    std::unique_ptr<Ui::StakeFilterDialog> m_ui;
};

} // namespace ui
