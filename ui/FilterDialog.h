#pragma once

// "Фильтр": the editor of one filter of a script line: its statistic and number of draws, the
// order and direction of the walk over the statistics table, the row condition with its values,
// the weight coefficients, and the stop rule.

#include "combos/Filters.h"
#include "core/GameTypes.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace stats {
class TStatList;
}

namespace ui {

// What a new filter starts with: the main window's statistic and number of draws and the
// configuration's weight coefficients.
struct FilterDialogStart
{
    int Method = -1;     // index in the statistics list; -1: the first entry
    int DrawsCount = -1; // below 1: the field starts empty
    core::TCdlData Cdl;
};

class FilterDialog : public QDialog
{
    Q_OBJECT

public:
    FilterDialog(const combos::TFilterItem& item, const stats::TStatList& list, const FilterDialogStart& start,
                 QWidget* parent = nullptr);

    // The edited filter; meaningful once the dialog was accepted.
    const combos::TFilterItem& item() const { return m_item; }

    // Shows a refusal; tests replace it so no modal box blocks them.
    std::function<void(const QString&)> showError;

    // What the filter as it stands would do to the current table and list. With a checker the
    // dialog shows it beside the conditions, worked out on "Проверить" or a moment after the
    // last change, and reads the values the table shows ("2:3") as the statistic's values.
    using Checker = std::function<combos::TFilterCheck(const combos::TFilterItem&)>;
    void setChecker(Checker checker);
    // Works the check out now; false without a checker or a statistic.
    bool runCheck();

    void accept() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFromItem(const combos::TFilterItem& item);
    void updateEnabled();
    // Reads a coefficient field in the locale's separators, group separators allowed.
    bool readCoefficient(const QLineEdit* edit, long double& value) const;
    QString coefficientText(long double value) const;
    bool refuse(const QString& message, QWidget* focus);
    // The filter as the fields give it, with these coefficients; nothing is checked.
    combos::TFilterItem fieldsItem(const core::TCdlData& cdl) const;
    // The coefficients the fields give, those that do not read kept from the start.
    core::TCdlData fieldsCdl() const;
    void showCheck(const combos::TFilterCheck& check);

    const stats::TStatList& m_list;
    // The coefficients shown at the start, kept for a field that cannot be edited.
    core::TCdlData m_startCdl;
    combos::TFilterItem m_item;

    QComboBox* m_method = nullptr;
    QLineEdit* m_draws = nullptr;
    QComboBox* m_sortColumn = nullptr;
    QComboBox* m_direction = nullptr;
    QComboBox* m_filterMode = nullptr;
    QCheckBox* m_multiSelect = nullptr;
    QComboBox* m_condition = nullptr;
    QLineEdit* m_values = nullptr;
    QCheckBox* m_cdlOverride = nullptr;
    QLineEdit* m_coefCount = nullptr;
    QLineEdit* m_coefDeviation = nullptr;
    QLineEdit* m_coefLevel = nullptr;
    QCheckBox* m_coefPercents = nullptr;
    QCheckBox* m_coefAbs = nullptr;
    QComboBox* m_stopMode = nullptr;
    QSpinBox* m_stopValue = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QLabel* m_checkText = nullptr;
    QPushButton* m_checkButton = nullptr;
    QTimer* m_checkTimer = nullptr;
    Checker m_checker;
};

} // namespace ui
