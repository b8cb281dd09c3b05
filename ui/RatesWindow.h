#pragma once

// "Оценки пользователей": the users' ratings of one script of the online catalogue in the list
// lvRates, with its column layout kept in the window-state file, and only the button "Закрыть".

#include "online/ScriptsLibrary.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTableWidget;

namespace ui {

class RatesWindow : public QDialog
{
    Q_OBJECT

public:
    // stateFile: the window-state file the column layout is read from and written back to
    // when the window closes; empty for none.
    RatesWindow(const std::vector<online::tScriptRate>& rates, const QString& stateFile, QWidget* parent = nullptr);
    ~RatesWindow() override;

    QTableWidget* list() const { return m_list; }
    QPushButton* closeButton() const { return m_close; }

private:
    QTableWidget* m_list;
    QPushButton* m_close;
    QString m_stateFile;
};

} // namespace ui
