#include "ui/ScriptLineDialog.h"

#include "ui_ScriptLineDialog.h"

#include <QEvent>

#include <algorithm>

namespace ui {

ScriptLineDialog::ScriptLineDialog(const QString& caption, const QString& line, int defaultExclude,
                                   const stats::TStatList& statList, FilterEditor filterEditor, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ScriptLineDialog>()), m_statList(statList),
      m_editFilter(std::move(filterEditor))
{
    m_ui->setupUi(this);
    setWindowTitle(caption);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &ScriptLineDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &ScriptLineDialog::reject);

    for (int n = 0; n < scripts::StartListCount; ++n)
        m_ui->cbStartCombsType->addItem(scripts::StartListCaption(n));
    for (int n = 0; n < scripts::ResultModeCount; ++n)
        m_ui->cbResultCombsMode->addItem(scripts::ResultModeCaption(n));

    m_filters = {m_ui->edFilter1, m_ui->edFilter2, m_ui->edFilter3, m_ui->edFilter4,
                 m_ui->edFilter5, m_ui->edFilter6, m_ui->edFilter7};
    m_buttons = {m_ui->btnFilter1, m_ui->btnFilter2, m_ui->btnFilter3, m_ui->btnFilter4,
                 m_ui->btnFilter5, m_ui->btnFilter6, m_ui->btnFilter7};
    for (int k = 1; k <= scripts::kLineFilters; ++k) {
        m_filters[std::size_t(k - 1)]->installEventFilter(this);
        connect(m_buttons[std::size_t(k - 1)], &QToolButton::clicked, this, [this, k] { editFilter(k); });
    }

    scripts::TScriptHeader header;
    header.ExcludeCount = defaultExclude;
    if (!scripts::ScriptLineIsSeparator(line)) {
        header = scripts::ScriptHeaderParse(scripts::ScriptLineField(line, 1));
        for (int k = 1; k <= scripts::kLineFilters; ++k)
            m_filters[std::size_t(k - 1)]->setText(scripts::ScriptLineField(line, k + 1));
        m_ui->edComments->setText(scripts::ScriptLineField(line, 9));
    }
    m_ui->cbStartCombsType->setCurrentIndex(std::min<int>(header.StartList, scripts::StartListCount - 1));
    m_ui->edDrawsExclude->setValue(std::max(0, header.ExcludeCount));
    m_ui->cbResultCombsMode->setCurrentIndex(std::min<int>(header.ResultMode, scripts::ResultModeCount - 1));
    m_ui->cbClearStakes->setChecked(header.ClearStakes);
    m_ui->cbNewOnly->setChecked(header.NewOnly);
}

ScriptLineDialog::~ScriptLineDialog() = default;

QString ScriptLineDialog::line() const
{
    scripts::TScriptHeader header;
    header.StartList = std::uint8_t(std::max(0, m_ui->cbStartCombsType->currentIndex()));
    header.ExcludeCount = m_ui->edDrawsExclude->value();
    header.ResultMode = std::uint8_t(std::max(0, m_ui->cbResultCombsMode->currentIndex()));
    header.ClearStakes = m_ui->cbClearStakes->isChecked();
    header.NewOnly = m_ui->cbNewOnly->isChecked();
    std::array<QString, scripts::kLineFilters> filters;
    for (std::size_t i = 0; i < filters.size(); ++i)
        filters[i] = m_filters[i]->text();
    return scripts::ScriptLineBuild(scripts::ScriptHeaderText(header), filters, m_ui->edComments->text());
}

void ScriptLineDialog::editFilter(int k)
{
    if (k < 1 || k > scripts::kLineFilters || !m_editFilter)
        return;
    QLineEdit* field = m_filters[std::size_t(k - 1)];
    combos::TFilterItem item = combos::FilterItemParse(field->text(), m_statList);
    if (!m_editFilter(item))
        return;
    field->setText(combos::FilterItemText(item));
    field->setFocus();
}

bool ScriptLineDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const auto found = std::find(m_filters.begin(), m_filters.end(), watched);
        if (found != m_filters.end()) {
            editFilter(int(found - m_filters.begin()) + 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ui
