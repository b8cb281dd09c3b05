#pragma once

// "Добавление мультиставки": the draw number, how many draws and the comment that every stake
// of a batch shares.

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class MultiStakeDialog;
}

namespace ui {

class MultiStakeDialog : public QDialog
{
    Q_OBJECT

public:
    MultiStakeDialog(int drawNum, int copies, const QString& comment, QWidget* parent = nullptr);
    ~MultiStakeDialog() override;

    int drawNum() const;
    int copies() const;
    QString comment() const;

    std::function<void(const QString&)> showError;

    void accept() override;

private:
    std::unique_ptr<Ui::MultiStakeDialog> m_ui;
};

} // namespace ui
