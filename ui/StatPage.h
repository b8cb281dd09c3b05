#pragma once

// The page "Статистика": one statistic computed over a window of the newest draws before the
// analysis point, its table and its chart, and the hand-over of selected rows to the
// combination filter.

#include <QWidget>

#include <vector>

class QAction;
class QComboBox;
class QMenu;
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

class StatChartView;
class StatTableModel;

class StatPage : public QWidget
{
    Q_OBJECT

public:
    explicit StatPage(app::Session& session, QWidget* parent = nullptr);

    QComboBox* methodBox() const { return m_method; }
    QSpinBox* lengthBox() const { return m_length; }
    QTableView* table() const { return m_table; }
    StatTableModel* model() const { return m_model; }
    StatChartView* chart() const { return m_chart; }
    QMenu* chartMenu() const { return m_chartMenu; }

    // The commands shown as buttons above the table and in its popup menu.
    void setCommands(const QList<QAction*>& commands);

    // The method index of the selected item of cbDrawsStatType; -1 when nothing is selected.
    int selectedMethod() const;
    // Selected table rows in table order.
    std::vector<int> selectedRows() const;
    bool hasSelectedRows() const;

    void calculate(bool force);
    // Keeps (or removes) the combinations that take one of the values of the selected rows.
    void filterSelected(bool exclude);
    // Norm columns are shown only while the full-set comparison is on.
    void updateNormColumns();

    // Window length, chart height, table columns and sort.
    void loadLayout(const core::IniFile& ini, const QString& section);
    void storeLayout(core::IniFile& ini, const QString& section) const;

signals:
    // The selection or the facts the page's commands depend on changed.
    void actionStatesChanged();

private:
    void refillMethods(bool keep);
    void onTableChanged();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void applyChartHeight();

    app::Session& m_session;
    QComboBox* m_method;
    QSpinBox* m_length;
    QWidget* m_buttons;
    QSplitter* m_splitter;
    StatTableModel* m_model;
    QTableView* m_table;
    StatChartView* m_chart;
    QMenu* m_chartMenu;
    // The stored chart height waits until the page has its real size.
    int m_chartHeight;
    bool m_chartHeightPending = true;
};

} // namespace ui
