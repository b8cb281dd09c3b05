#pragma once

// The page "Графики": one chartable statistic plotted draw by draw over a window of the newest
// draws before the analysis point, with its average and its most frequent value.

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QSpinBox;

namespace app {
class Session;
}

namespace core {
class IniFile;
}

namespace ui {

class SeriesChartView;

class GraphsPage : public QWidget
{
    Q_OBJECT

public:
    explicit GraphsPage(app::Session& session, QWidget* parent = nullptr);

    QComboBox* methodBox() const { return m_method; }
    QSpinBox* lengthBox() const { return m_length; }
    QCheckBox* marksBox() const { return m_marks; }
    SeriesChartView* chart() const { return m_chart; }

    void setCommands(const QList<QAction*>& commands);
    int selectedMethod() const;
    void calculate(bool force);

    void loadLayout(const core::IniFile& ini, const QString& section);
    void storeLayout(core::IniFile& ini, const QString& section) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refillMethods(bool keep);
    void onGraphChanged();

    app::Session& m_session;
    QComboBox* m_method;
    QSpinBox* m_length;
    QCheckBox* m_marks;
    QWidget* m_buttons;
    SeriesChartView* m_chart;
};

// Enter in a length box: a typed value within the box's range is taken and true returned.
bool TakeTypedLength(QSpinBox& box, QEvent* event);

} // namespace ui
