#pragma once

// "Количество тестов": how many of the last draws a back-test runs at, 1..max, starting at 10.

#include <QDialog>

#include <memory>

namespace Ui {
class TestCountDialog;
}

namespace ui {

class TestCountDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TestCountDialog(int max, QWidget* parent = nullptr);
    ~TestCountDialog() override;

    int count() const;

private:
    std::unique_ptr<Ui::TestCountDialog> m_ui;
};

} // namespace ui
