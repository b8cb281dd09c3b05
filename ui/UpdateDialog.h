#pragma once

// "Найдена новая версия программы": the running version, the new one and its release notes,
// with "Установить" to accept and Cancel to decline.

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class UpdateDialog;
}

namespace ui {

class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const QString& current, const QString& next, const QStringList& notes, QWidget* parent = nullptr);
    ~UpdateDialog() override;

private:
    std::unique_ptr<Ui::UpdateDialog> m_ui;
};

} // namespace ui
