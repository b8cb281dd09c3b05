#include "ui/ExportDialog.h"

#include "core/IniFile.h"
#include "ui/ExportFieldDialog.h"
#include "ui/WindowLayout.h"

#include "ui_ExportDialog.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace ui {

namespace {

const QString kStateSection = QStringLiteral("FormExport");
const QString kFieldsList = QStringLiteral("lvFields");

QString fileFilter()
{
    return QObject::tr("Файлы параметров экспорта (*.exp);;Все файлы (*)");
}

} // namespace

ExportDialog::ExportDialog(const xls::ExportDialogState& state, const QString& stateFile, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ExportDialog>()), m_state(state), m_stateFile(stateFile)
{
    m_ui->setupUi(this);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setToolTip(tr("Начать экспорт"));
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setToolTip(tr("Закрыть окно"));
    m_ui->cbRestore->setVisible(state.SaveOptions);
    m_ui->btnParams->setVisible(state.SaveOptions);

    auto* menu = new QMenu(m_ui->btnParams);
    QAction* load = menu->addAction(tr("Загрузить из файла"));
    load->setObjectName(QStringLiteral("ParamsLoad"));
    load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    load->setToolTip(tr("Загрузить параметры экспорта из файла"));
    QAction* save = menu->addAction(tr("Сохранить в файле"));
    save->setObjectName(QStringLiteral("ParamsSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setToolTip(tr("Сохранить параметры экспорта в файле"));
    m_ui->btnParams->setMenu(menu);
    // The shortcuts work without opening the menu.
    addAction(load);
    addAction(save);
    connect(load, &QAction::triggered, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QString(), m_state.ParamsDir, fileFilter());
        if (!path.isEmpty())
            loadParamsFile(path);
    });
    connect(save, &QAction::triggered, this, [this] {
        QFileDialog dialog(this, QString(), m_state.ParamsDir, fileFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("exp"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            saveParamsFile(dialog.selectedFiles().first());
    });

    connect(m_ui->edSendMode, &QComboBox::currentIndexChanged, this, [this] { updateRecNum(); });
    connect(m_ui->btnUp, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_ui->btnDown, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_ui->btnProperties, &QPushButton::clicked, this, [this] { editCurrent(); });
    connect(m_ui->lvFields, &QTreeWidget::itemDoubleClicked, this, [this] { editCurrent(); });
    connect(m_ui->lvFields, &QTreeWidget::itemChanged, this, &ExportDialog::onItemChanged);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    showParams(state.Params);
    // The columns start wide enough for their captions and texts; a stored layout wins.
    for (int column = 0; column + 1 < m_ui->lvFields->columnCount(); ++column)
        m_ui->lvFields->resizeColumnToContents(column);
    m_ui->pcExport->setCurrentIndex(0);
    if (!m_stateFile.isEmpty()) {
        core::IniFile ini(m_stateFile);
        if (ini.load())
            ListLayoutLoad(ini, kStateSection, kFieldsList, *m_ui->lvFields->header(), false);
    }
}

ExportDialog::~ExportDialog() = default;

void ExportDialog::done(int result)
{
    if (!m_stateFile.isEmpty()) {
        core::IniFile ini(m_stateFile);
        // The layout is a convenience: a state file that cannot be read or written costs nothing.
        if (ini.load()) {
            ListLayoutSave(ini, kStateSection, kFieldsList, *m_ui->lvFields->header(), false);
            ini.save();
        }
    }
    QDialog::done(result);
}

void ExportDialog::showParams(const xls::TExportParams& params)
{
    m_ui->edTitle->setText(params.Title);
    m_ui->edNotes->setText(params.Notes);
    m_ui->cbShowCreateTime->setChecked(params.ShowCreateTime);
    m_ui->edOrientation->setCurrentIndex(std::clamp(params.PageOrientation, 0, 2));
    m_ui->edFontSize->setValue(params.BaseFontSize);
    m_ui->edPageName->setText(params.SheetName);
    m_ui->edSendMode->setCurrentIndex(params.Mode == xls::RowMode::Selected ? 1 : 0);
    m_ui->cbRestore->setChecked(params.RestoreParameters);
    m_fields = params.Fields;
    xls::GatherChecked(m_fields);
    fillFields(0);
    updateRecNum();
}

xls::TExportParams ExportDialog::collect() const
{
    xls::TExportParams params = m_state.Params;
    params.Title = m_ui->edTitle->text();
    params.Notes = m_ui->edNotes->text();
    params.ShowCreateTime = m_ui->cbShowCreateTime->isChecked();
    params.PageOrientation = m_ui->edOrientation->currentIndex();
    params.BaseFontSize = m_ui->edFontSize->value();
    params.SheetName = m_ui->edPageName->text();
    params.Mode = m_ui->edSendMode->currentIndex() == 1 ? xls::RowMode::Selected : xls::RowMode::All;
    params.RestoreParameters = m_ui->cbRestore->isChecked();
    params.Fields = m_fields;
    return params;
}

xls::ExportDialogState ExportDialog::state() const
{
    xls::ExportDialogState state = m_state;
    state.Params = collect();
    return state;
}

void ExportDialog::updateRecNum()
{
    const bool selected = m_ui->edSendMode->currentIndex() == 1;
    m_ui->edRecNum->setText(QString::number(selected ? m_state.SelectedRows : m_state.AllRows));
}

void ExportDialog::fillFields(int current)
{
    m_filling = true;
    QTreeWidget& list = *m_ui->lvFields;
    list.clear();
    for (const xls::TExportField& field : m_fields) {
        auto* item = new QTreeWidgetItem(&list, QStringList{field.Caption, xls::AlignmentText(field.Align),
                                                            field.WidthText, field.PhysicalName});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, field.Checked ? Qt::Checked : Qt::Unchecked);
    }
    if (current >= 0 && current < list.topLevelItemCount())
        list.setCurrentItem(list.topLevelItem(current));
    m_filling = false;
}

void ExportDialog::onItemChanged(QTreeWidgetItem* item, int column)
{
    if (m_filling || column != 0)
        return;
    // Refilling the list from inside its own signal is not safe; it waits a turn.
    const int row = m_ui->lvFields->indexOfTopLevelItem(item);
    const bool checked = item->checkState(0) == Qt::Checked;
    QMetaObject::invokeMethod(this, [this, row, checked] { setChecked(row, checked); }, Qt::QueuedConnection);
}

void ExportDialog::setChecked(int row, bool checked)
{
    if (row < 0 || row >= m_fields.size())
        return;
    m_fields[row].Checked = checked;
    const xls::TExportField moved = m_fields[row];
    xls::GatherChecked(m_fields);
    int current = 0;
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].PhysicalIndex == moved.PhysicalIndex)
            current = i;
    fillFields(current);
}

void ExportDialog::moveCurrent(int delta)
{
    const int row = m_ui->lvFields->indexOfTopLevelItem(m_ui->lvFields->currentItem());
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= m_fields.size())
        return;
    m_fields.swapItemsAt(row, target);
    const int physical = m_fields[target].PhysicalIndex;
    xls::GatherChecked(m_fields);
    int current = target;
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].PhysicalIndex == physical)
            current = i;
    fillFields(current);
}

bool ExportDialog::editCurrent()
{
    const int row = m_ui->lvFields->indexOfTopLevelItem(m_ui->lvFields->currentItem());
    if (row < 0 || row >= m_fields.size())
        return false;
    ExportFieldDialog dialog(m_fields[row], this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_fields[row] = dialog.field();
    fillFields(row);
    return true;
}

bool ExportDialog::loadParamsFile(const QString& path)
{
    xls::TExportParams params = collect();
    QString error;
    if (!xls::LoadParamsFile(path, m_state.Section, xls::LoadMode::File, params, &error)) {
        QMessageBox::critical(this, tr("Ошибка"), error);
        return false;
    }
    showParams(params);
    return true;
}

bool ExportDialog::saveParamsFile(const QString& path)
{
    QString error;
    if (!xls::SaveParamsFile(path, m_state.Section, collect(), false, &error)) {
        QMessageBox::critical(this, tr("Ошибка"), error);
        return false;
    }
    return true;
}

} // namespace ui
