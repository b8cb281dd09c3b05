#pragma once

// "Справочная информация": where to read about the program, shown at the end of start-up while
// the window state asks for it.

#include <QDialog>

class QCheckBox;

namespace app {
class Session;
}

namespace ui {

class FirstRunDialog : public QDialog
{
    Q_OBJECT

public:
    FirstRunDialog(app::Session& session, const QString& helpPath, QWidget* parent = nullptr);

    void done(int result) override;

private:
    app::Session& m_session;
    QCheckBox* m_dontShow;
};

} // namespace ui
