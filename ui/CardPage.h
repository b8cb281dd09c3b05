#pragma once

// The page "Карта": the whole archive as a grid of number columns, one row per draw, coloured by
// channel and by neighbourhood; numbers picked in it keep or remove combinations.

#include <QWidget>

#include <vector>

class QAction;
class QTableView;

namespace app {
class Session;
}

namespace ui {

class CardModel;

class CardPage : public QWidget
{
    Q_OBJECT

public:
    explicit CardPage(app::Session& session, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    CardModel* model() const { return m_model; }

    void setCommands(const QList<QAction*>& commands);
    // Some cells are selected and all of them lie in the number columns.
    bool canFilter() const;
    // The distinct numbers of the selected non-empty cells, column by column.
    std::vector<int> selectedNumbers() const;
    void filterSelected(bool exclude);

signals:
    void actionStatesChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    app::Session& m_session;
    CardModel* m_model;
    QWidget* m_buttons;
    QTableView* m_grid;
};

} // namespace ui
