#pragma once

// The page "Архив тиражей": the draw list and the analysis offset.

#include <QWidget>

class QAction;
class QHBoxLayout;
class QSpinBox;
class QTableView;

namespace app {
class Session;
}

namespace ui {

class DrawListModel;

class DrawsPage : public QWidget
{
    Q_OBJECT

public:
    explicit DrawsPage(app::Session& session, QWidget* parent = nullptr);

    QTableView* list() const { return m_list; }
    QSpinBox* offsetBox() const { return m_offset; }
    DrawListModel* model() const { return m_model; }

    // A button for the command in the panel above the list.
    void addToolAction(QAction* action);

    // The focused row, or -1.
    int focusedRow() const;
    QList<int> selectedRows() const;

signals:
    void selectionChanged();
    void rowActivated();

private:
    void onDrawsChanged(bool rowsChanged);

    app::Session& m_session;
    DrawListModel* m_model;
    QTableView* m_list;
    QSpinBox* m_offset;
    QHBoxLayout* m_top = nullptr;
};

} // namespace ui
