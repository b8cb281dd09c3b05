#pragma once

// The page "Схема": the layout grid of a window of draws before the analysis point, its five
// comparison lists below, and the hand-over of picked numbers to the combination filter.

#include "views/LayoutScheme.h"

#include <QWidget>

#include <array>
#include <vector>

class QAction;
class QSpinBox;
class QSplitter;
class QTableView;

namespace app {
class Session;
}

namespace core {
class IniFile;
}

namespace ui {

class LayoutCompareModel;
class LayoutModel;

class LayoutPage : public QWidget
{
    Q_OBJECT

public:
    explicit LayoutPage(app::Session& session, QWidget* parent = nullptr);

    QSpinBox* lengthBox() const { return m_length; }
    QSpinBox* compareBox(int list) const { return m_compareLengths[std::size_t(list)]; }
    QTableView* grid() const { return m_grid; }
    QTableView* compareList(int list) const { return m_compareLists[std::size_t(list)]; }
    LayoutModel* model() const { return m_model; }
    LayoutCompareModel* compareModel(int list) const { return m_compareModels[std::size_t(list)]; }

    // LayoutCalc and the two filters above the grid, LayoutCmpCalc above the lists.
    void setCommands(const QList<QAction*>& gridCommands, const QList<QAction*>& compareCommands);
    void calculate(bool force);
    void calculateCompare(bool force);
    bool canFilter() const;
    // The numbers of the selected non-empty cells, as the cells list them.
    std::vector<int> selectedNumbers() const;
    void filterSelected(bool exclude);

    void loadLayout(const core::IniFile& ini, const QString& section);
    void storeLayout(core::IniFile& ini, const QString& section) const;

signals:
    void actionStatesChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onLayoutChanged();
    void onCompareChanged();
    void applyCompareHeight();
    void pushLengths();

    app::Session& m_session;
    QSpinBox* m_length;
    QWidget* m_gridButtons;
    QWidget* m_compareButtons;
    QSplitter* m_splitter;
    LayoutModel* m_model;
    QTableView* m_grid;
    QWidget* m_comparePanel;
    QSplitter* m_compareSplitter;
    std::array<QSpinBox*, views::kLayoutCompareLists> m_compareLengths{};
    std::array<QTableView*, views::kLayoutCompareLists> m_compareLists{};
    std::array<LayoutCompareModel*, views::kLayoutCompareLists> m_compareModels{};
    int m_compareHeight;
    bool m_compareHeightPending = true;
};

} // namespace ui
