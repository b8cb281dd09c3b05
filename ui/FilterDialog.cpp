#include "ui/FilterDialog.h"

#include "core/TextForms.h"
#include "stats/StatList.h"
#include "ui/StatSelector.h"
#include "views/StatTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ui {

namespace {

constexpr int kDefaultSortColumn = 1;
// The pause after the last change before the check is worked out: typing is not slowed down.
constexpr int kCheckPauseMs = 700;

bool isWeightCondition(int condition)
{
    return condition == combos::CondWeightMin || condition == combos::CondWeightMax ||
           condition == combos::CondWeightList;
}

void selectMethod(QComboBox& box, int method)
{
    const int entry = method >= 0 ? box.findData(method) : -1;
    if (box.count() > 0)
        box.setCurrentIndex(entry >= 0 ? entry : 0);
}

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

FilterDialog::FilterDialog(const combos::TFilterItem& item, const stats::TStatList& list,
                           const FilterDialogStart& start, QWidget* parent)
    : QDialog(parent), m_list(list), m_startCdl(item.Enabled && item.CdlOverride ? item.Cdl : start.Cdl), m_item(item)
{
    setWindowTitle(tr("Фильтр"));
    showError = [this](const QString& text) { QMessageBox::critical(this, tr("Ошибка"), text); };

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_method = new QComboBox(this);
    m_method->setObjectName(QStringLiteral("cbDrawsStatType"));
    m_method->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_method->setMinimumContentsLength(34);
    m_method->setMaxVisibleItems(30);
    FillStatSelector(*m_method, list, false, false);
    form->addRow(tr("Тип фильтра:"), m_method);

    const QString listFormats = tr("Допустимые форматы:\n1 - одно значение\n1, 2, 3 - список значений через запятую\n"
                                   "1-10;2 - нижняя и верхняя граница диапазона; шаг изменения");
    m_draws = new QLineEdit(this);
    m_draws->setObjectName(QStringLiteral("edDrawsLen"));
    setHint(m_draws, tr("Количество тиражей для расчета статистики") + QStringLiteral("\n\n") + listFormats);
    m_draws->installEventFilter(this);
    form->addRow(tr("Количество тиражей:"), m_draws);

    m_sortColumn = new QComboBox(this);
    m_sortColumn->setObjectName(QStringLiteral("cbDrawsSortOrder"));
    m_sortColumn->addItems(views::StatColumnCaptions());
    form->addRow(tr("Сортировать по столбцу:"), m_sortColumn);

    m_direction = new QComboBox(this);
    m_direction->setObjectName(QStringLiteral("cbDirection"));
    m_direction->addItems({tr("Сверху-вниз"), tr("Снизу-вверх")});
    form->addRow(tr("Направление:"), m_direction);

    m_filterMode = new QComboBox(this);
    m_filterMode->setObjectName(QStringLiteral("cbFilterMode"));
    m_filterMode->addItems({tr("Удалить выделенные"), tr("Оставить выделенные")});
    form->addRow(tr("Режим фильтра:"), m_filterMode);

    m_multiSelect = new QCheckBox(tr("Использовать режим одновременного выделения нескольких значений в списке"), this);
    m_multiSelect->setObjectName(QStringLiteral("cbMultiSelect"));
    form->addRow(m_multiSelect);

    m_condition = new QComboBox(this);
    m_condition->setObjectName(QStringLiteral("cbLevelMode"));
    for (int n = 0; n < combos::kConditionCount; ++n)
        m_condition->addItem(combos::ConditionCaption(n));
    m_condition->setMaxVisibleItems(combos::kConditionCount);
    form->addRow(tr("Режим выделения значений в списке статистики:"), m_condition);

    m_values = new QLineEdit(this);
    m_values->setObjectName(QStringLiteral("edLevelValue"));
    setHint(m_values, tr("Учитываемые значения глубины") + QStringLiteral("\n\n") + listFormats);
    m_values->installEventFilter(this);
    form->addRow(tr("Значения:"), m_values);

    m_checkText = new QLabel(this);
    m_checkText->setObjectName(QStringLiteral("lbCheck"));
    m_checkText->setWordWrap(true);
    m_checkText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_checkButton = new QPushButton(tr("Проверить"), this);
    m_checkButton->setObjectName(QStringLiteral("btCheck"));
    setHint(m_checkButton, tr("Сколько строк таблицы статистики выделит фильтр и сколько комбинаций останется в "
                              "текущем списке"));
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(m_checkText, 1);
    checkRow->addWidget(m_checkButton, 0, Qt::AlignTop);
    form->addRow(checkRow);
    m_checkText->hide();
    m_checkButton->hide();
    m_checkTimer = new QTimer(this);
    m_checkTimer->setSingleShot(true);
    m_checkTimer->setInterval(kCheckPauseMs);
    connect(m_checkTimer, &QTimer::timeout, this, &FilterDialog::runCheck);
    connect(m_checkButton, &QPushButton::clicked, this, &FilterDialog::runCheck);

    auto* group = new QGroupBox(tr(" Коэффициенты для расчета значений \"Вес\" "), this);
    group->setObjectName(QStringLiteral("gbCoefficients"));
    m_cdlOverride = new QCheckBox(tr("Использовать приведенные ниже коэффициенты для расчета значений \"Вес\""), group);
    m_cdlOverride->setObjectName(QStringLiteral("cbCDLOverride"));
    const auto coefEdit = [group](const char* name) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QLatin1String(name));
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    m_coefCount = coefEdit("edCoefCount");
    m_coefDeviation = coefEdit("edCoefDeviation");
    m_coefLevel = coefEdit("edCoefLevel");
    m_coefPercents = new QCheckBox(tr("Использовать значения в %"), group);
    m_coefPercents->setObjectName(QStringLiteral("cbCoefPercents"));
    m_coefAbs = new QCheckBox(tr("Использовать абсолютные значения"), group);
    m_coefAbs->setObjectName(QStringLiteral("cbCoefAbs"));
    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(m_cdlOverride, 0, 0, 1, 6);
    const std::pair<QString, QLineEdit*> coefficients[] = {
        {tr("Количество:"), m_coefCount},
        {tr("Отклонение:"), m_coefDeviation},
        {tr("Глубина:"), m_coefLevel},
    };
    int column = 0;
    for (const auto& [caption, edit] : coefficients) {
        auto* label = new QLabel(caption, group);
        label->setBuddy(edit);
        groupLayout->addWidget(label, 1, column++);
        groupLayout->addWidget(edit, 1, column++);
    }
    groupLayout->addWidget(m_coefPercents, 2, 0, 1, 6);
    groupLayout->addWidget(m_coefAbs, 3, 0, 1, 6);

    m_stopMode = new QComboBox(this);
    m_stopMode->setObjectName(QStringLiteral("cbStopMode"));
    for (int n = 0; n < combos::kStopModeCount; ++n)
        m_stopMode->addItem(combos::StopModeCaption(n));
    m_stopValue = new QSpinBox(this);
    m_stopValue->setObjectName(QStringLiteral("edStopValue"));
    m_stopValue->setRange(1, std::numeric_limits<int>::max());
    m_stopValue->setValue(1);
    auto* stopRow = new QHBoxLayout;
    stopRow->addWidget(m_stopMode, 1);
    auto* stopValueLabel = new QLabel(tr("Значение:"), this);
    stopValueLabel->setBuddy(m_stopValue);
    stopRow->addWidget(stopValueLabel);
    stopRow->addWidget(m_stopValue);
    auto* stopLabel = new QLabel(tr("Остановка по:"), this);
    stopLabel->setBuddy(m_stopMode);
    form->addRow(group);
    form->addRow(stopLabel, stopRow);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &FilterDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &FilterDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(m_buttons);

    // A new filter starts from the main window's statistic and number of draws, the first
    // order column after the value, and the configuration's coefficients.
    selectMethod(*m_method, start.Method);
    if (start.DrawsCount > 0)
        m_draws->setText(QString::number(start.DrawsCount));
    m_sortColumn->setCurrentIndex(kDefaultSortColumn);
    m_condition->setCurrentIndex(combos::CondNone);
    m_stopMode->setCurrentIndex(combos::StopNone);
    m_coefCount->setText(coefficientText(m_startCdl.Count));
    m_coefDeviation->setText(coefficientText(m_startCdl.Deviation));
    m_coefLevel->setText(coefficientText(m_startCdl.Level));
    m_coefPercents->setChecked(m_startCdl.UsePercents);
    m_coefAbs->setChecked(m_startCdl.UseAbsValues);
    if (item.Enabled)
        setFromItem(item);

    connect(m_condition, &QComboBox::currentIndexChanged, this, &FilterDialog::updateEnabled);
    connect(m_cdlOverride, &QCheckBox::toggled, this, &FilterDialog::updateEnabled);
    updateEnabled();
    m_draws->setFocus();
}

void FilterDialog::setFromItem(const combos::TFilterItem& item)
{
    selectMethod(*m_method, combos::FilterMethodIndex(m_list, item.Method, item.MethodCode));
    if (!item.DrawsText.isEmpty())
        m_draws->setText(item.DrawsText);
    if (item.SortColumn >= 0 && item.SortColumn < m_sortColumn->count())
        m_sortColumn->setCurrentIndex(item.SortColumn);
    m_direction->setCurrentIndex(item.BottomUp ? 1 : 0);
    m_filterMode->setCurrentIndex(item.Keep ? 1 : 0);
    m_multiSelect->setChecked(item.MultiSelect);
    if (item.Condition < combos::kConditionCount)
        m_condition->setCurrentIndex(item.Condition);
    if (!item.ConditionText.isEmpty())
        m_values->setText(item.ConditionText);
    m_cdlOverride->setChecked(item.CdlOverride);
    if (item.StopMode < combos::kStopModeCount)
        m_stopMode->setCurrentIndex(item.StopMode);
    m_stopValue->setValue(item.StopValue);
}

void FilterDialog::updateEnabled()
{
    const bool weight = isWeightCondition(m_condition->currentIndex());
    m_cdlOverride->setEnabled(weight);
    const bool own = weight && m_cdlOverride->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(m_coefCount), static_cast<QWidget*>(m_coefDeviation),
          static_cast<QWidget*>(m_coefLevel), static_cast<QWidget*>(m_coefPercents), static_cast<QWidget*>(m_coefAbs)})
        w->setEnabled(own);
}

bool FilterDialog::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        updateEnabled();
    return QDialog::event(event);
}

bool FilterDialog::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_draws || watched == m_values) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Shortcuts and editing keys pass; of the typed characters only those of a number list.
        if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
            return false;
        for (const QChar c : key->text()) {
            const char16_t u = c.unicode();
            const bool control = u < 0x20 || u == 0x7f;
            // The values may also be typed as the table shows them ("2:3; 3:2").
            const bool tableForm = watched == m_values && (u == u':' || u == u' ');
            const bool allowed = (u >= u'0' && u <= u'9') || u == u',' || u == u'-' || u == u';' || tableForm;
            if (!control && !allowed)
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString FilterDialog::coefficientText(long double value) const
{
    QLocale loc = locale();
    loc.setNumberOptions(loc.numberOptions() & ~QLocale::OmitGroupSeparator);
    return loc.toString(static_cast<double>(value), 'f', 3);
}

bool FilterDialog::readCoefficient(const QLineEdit* edit, long double& value) const
{
    // Blanks go (some locales group with a no-break space); a group separator must be followed
    // by three digits and stands only before the decimals. The point is also read as the
    // decimal separator where it does not group.
    const QLocale loc = locale();
    const QString point = loc.decimalPoint();
    const QString groupMark = loc.groupSeparator();
    const bool pointGroups = groupMark == QStringLiteral(".");
    std::string text;
    bool anyDigit = false;
    bool decimals = false;
    int groupDigits = -1; // digits since the last group separator; -1: none seen
    bool first = true;
    for (const QChar c : edit->text()) {
        if (c.isSpace())
            continue;
        const QString s(c);
        const char16_t u = c.unicode();
        const bool atStart = first;
        first = false;
        if (atStart && (u == u'-' || s == loc.negativeSign())) {
            text += '-';
        } else if (atStart && (u == u'+' || s == loc.positiveSign())) {
            // a sign that changes nothing
        } else if (u >= u'0' && u <= u'9') {
            text += char(u);
            anyDigit = true;
            if (groupDigits >= 0)
                ++groupDigits;
        } else if (!decimals && (s == point || (u == u'.' && !pointGroups))) {
            if (groupDigits >= 0 && groupDigits != 3)
                return false;
            decimals = true;
            groupDigits = -1;
            text += '.';
        } else if (!decimals && s == groupMark && groupMark != point) {
            if (!anyDigit || (groupDigits >= 0 && groupDigits != 3))
                return false;
            groupDigits = 0;
        } else {
            return false;
        }
    }
    if (!anyDigit || (groupDigits >= 0 && groupDigits != 3))
        return false;
    long double v = 0;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto r = std::from_chars(begin, end, v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool FilterDialog::refuse(const QString& message, QWidget* focus)
{
    showError(message);
    focus->setFocus();
    return false;
}

void FilterDialog::accept()
{
    const QString badRange = tr("Введен некорректный диапазон значений!");

    const int method = SelectedStatMethod(*m_method);
    if (method < 0 || method >= m_list.Count()) {
        refuse(QCoreApplication::translate("stats", "Не выбран метод расчета статистики (cb: %1)!")
                   .arg(m_method->objectName()),
               m_method);
        return;
    }
    const core::TIntArray draws = core::ParseIntList(m_draws->text());
    if (draws.empty() || (draws.size() == 1 && draws.front() == 0)) {
        refuse(badRange, m_draws);
        return;
    }
    const int condition = m_condition->currentIndex();
    if (condition != combos::CondNone) {
        if (condition == combos::CondValueList && !m_list.Items(method).Class->AllowsValueList()) {
            refuse(tr("Для данного вида статистики не доступен режим выделения по списку значений!"), m_condition);
            return;
        }
        if (core::ParseIntList(m_values->text()).empty()) {
            // Values typed as the table shows them become the statistic's values.
            if (!m_checker || condition != combos::CondValueList) {
                refuse(badRange, m_values);
                return;
            }
            const combos::TFilterCheck check = m_checker(fieldsItem(fieldsCdl()));
            showCheck(check);
            if (!check.Error.isEmpty()) {
                refuse(check.Error, m_values);
                return;
            }
            if (!check.Unknown.isEmpty() || core::ParseIntList(check.ValuesText).empty()) {
                refuse(tr("Таких значений у статистики нет: %1").arg(check.Unknown.join(QStringLiteral("; "))),
                       m_values);
                return;
            }
            m_values->setText(check.ValuesText);
        }
    }
    if (m_multiSelect->isChecked() && m_stopMode->currentIndex() == combos::StopListCount) {
        refuse(tr("В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть "
                  "выполнена!\nВыберите другой способ останова."),
               m_stopMode);
        return;
    }

    // A coefficient that does not read is refused while it can be edited; one that cannot be
    // edited keeps what it showed at the start.
    core::TCdlData cdl = m_startCdl;
    const std::pair<QLineEdit*, long double*> coefficients[] = {
        {m_coefCount, &cdl.Count},
        {m_coefDeviation, &cdl.Deviation},
        {m_coefLevel, &cdl.Level},
    };
    for (const auto& [edit, value] : coefficients) {
        if (readCoefficient(edit, *value) || !edit->isEnabled())
            continue;
        refuse(tr("Некорректное значение коэффициента: \"%1\"!").arg(edit->text()), edit);
        return;
    }
    cdl.UsePercents = m_coefPercents->isChecked();
    cdl.UseAbsValues = m_coefAbs->isChecked();

    m_item = fieldsItem(cdl);
    QDialog::accept();
}

combos::TFilterItem FilterDialog::fieldsItem(const core::TCdlData& cdl) const
{
    const int method = SelectedStatMethod(*m_method);
    combos::TFilterItem r;
    r.Enabled = true;
    r.Method = method;
    r.MethodCode = method >= 0 && method < m_list.Count() ? m_list.Items(method).GetCodeText() : QString();
    r.DrawsText = m_draws->text().trimmed();
    // The statistic word as the filter text writes it.
    r.StatText = r.MethodCode + u':' + r.DrawsText;
    r.SortColumn = std::max(0, m_sortColumn->currentIndex());
    r.BottomUp = m_direction->currentIndex() == 1;
    r.MultiSelect = m_multiSelect->isChecked();
    r.Keep = m_filterMode->currentIndex() == 1;
    r.Condition = std::uint8_t(std::max(0, m_condition->currentIndex()));
    r.ConditionText = m_values->text().trimmed();
    r.CdlOverride = m_cdlOverride->isChecked();
    r.Cdl = cdl;
    r.StopMode = std::uint8_t(std::max(0, m_stopMode->currentIndex()));
    r.StopValue = m_stopValue->value();
    return r;
}

core::TCdlData FilterDialog::fieldsCdl() const
{
    core::TCdlData cdl = m_startCdl;
    readCoefficient(m_coefCount, cdl.Count);
    readCoefficient(m_coefDeviation, cdl.Deviation);
    readCoefficient(m_coefLevel, cdl.Level);
    cdl.UsePercents = m_coefPercents->isChecked();
    cdl.UseAbsValues = m_coefAbs->isChecked();
    return cdl;
}

void FilterDialog::setChecker(Checker checker)
{
    m_checker = std::move(checker);
    m_checkText->setVisible(bool(m_checker));
    m_checkButton->setVisible(bool(m_checker));
    if (!m_checker)
        return;
    // Any change of what the filter selects asks for a new check after a pause.
    const auto later = [this] {
        m_checkText->setText(tr("Проверка после паузы или по кнопке \"Проверить\"..."));
        m_checkTimer->start();
    };
    for (QLineEdit* edit : {m_draws, m_values, m_coefCount, m_coefDeviation, m_coefLevel})
        connect(edit, &QLineEdit::textEdited, this, later);
    for (QComboBox* box : {m_method, m_sortColumn, m_direction, m_filterMode, m_condition, m_stopMode})
        connect(box, &QComboBox::currentIndexChanged, this, later);
    for (QCheckBox* box : {m_multiSelect, m_cdlOverride, m_coefPercents, m_coefAbs})
        connect(box, &QCheckBox::toggled, this, later);
    connect(m_stopValue, &QSpinBox::valueChanged, this, later);
    later();
}

bool FilterDialog::runCheck()
{
    m_checkTimer->stop();
    if (!m_checker)
        return false;
    const combos::TFilterItem item = fieldsItem(fieldsCdl());
    if (item.Method < 0 || item.Method >= m_list.Count()) {
        m_checkText->setText(QString());
        return false;
    }
    showCheck(m_checker(item));
    return true;
}

void FilterDialog::showCheck(const combos::TFilterCheck& check)
{
    if (!check.Error.isEmpty()) {
        m_checkText->setText(check.Error);
        return;
    }
    QStringList lines;
    if (!check.Unknown.isEmpty())
        lines << tr("Таких значений у статистики нет: %1").arg(check.Unknown.join(QStringLiteral("; ")));
    lines << tr("Выделено строк таблицы: %1 из %2").arg(check.SelectedRows).arg(check.TableRows);
    lines << tr("Останется комбинаций: %1 из %2").arg(check.Remaining).arg(check.ListSize);
    if (check.Variants > 1)
        lines << tr("(для первого из %1 вариантов фильтра)").arg(check.Variants);
    m_checkText->setText(lines.join(u'\n'));
}

} // namespace ui
