#include "ui/DetailWindow.h"

#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "ui/DrawListModel.h"
#include "ui/WindowLayout.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kSection = QStringLiteral("TFormInfo");

} // namespace

DetailModel::DetailModel(std::vector<views::DetailRow> rows, QObject* parent)
    : QAbstractTableModel(parent), m_rows(std::move(rows))
{
}

int DetailModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DetailModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant DetailModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const views::DetailRow& row = m_rows[std::size_t(index.row())];
    return index.column() == 0 ? row.Caption : row.Value;
}

QVariant DetailModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("Свойство");
    return section == 1 ? QVariant(tr("Значение")) : QVariant();
}

DetailWindow::DetailWindow(app::Session& session, std::vector<views::DetailRow> rows, const core::TComb& numbers,
                           QWidget* parent)
    : QDialog(parent), m_session(session), m_numbers(numbers), m_model(new DetailModel(std::move(rows), this)),
      m_props(new QTableView(this)), m_matrix(new QTableWidget(this)), m_columns(new QSpinBox(this))
{
    setObjectName(kSection);
    setWindowTitle(tr("Подробная информация"));
    resize(640, 560);

    m_props->setObjectName(QStringLiteral("lvProps"));
    m_props->setModel(m_model);
    m_props->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_props->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_props->setWordWrap(false);
    m_props->verticalHeader()->hide();
    m_props->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_props->verticalHeader()->setDefaultSectionSize(m_props->fontMetrics().height() + 6);
    m_props->horizontalHeader()->setStretchLastSection(true);
    m_props->setColumnWidth(0, 420);

    m_matrix->setObjectName(QStringLiteral("sgCard"));
    m_matrix->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_matrix->setSelectionMode(QAbstractItemView::NoSelection);
    m_matrix->horizontalHeader()->hide();
    m_matrix->verticalHeader()->hide();
    m_matrix->horizontalHeader()->setMinimumSectionSize(10);
    m_matrix->horizontalHeader()->setDefaultSectionSize(
        m_matrix->fontMetrics().horizontalAdvance(QStringLiteral("54")) + 12);
    m_matrix->verticalHeader()->setDefaultSectionSize(m_matrix->fontMetrics().height() + 6);
    m_matrix->setMinimumHeight(120);

    m_columns->setObjectName(QStringLiteral("seCols"));
    m_columns->setRange(1, core::NumberCount);
    m_columns->setValue(std::clamp(m_session.statistics().config().MatrixCols, 1, core::NumberCount));
    auto* columnsLabel = new QLabel(tr("Количество столбцов:"), this);
    columnsLabel->setBuddy(m_columns);
    auto* columnsRow = new QHBoxLayout;
    columnsRow->addWidget(columnsLabel);
    columnsRow->addWidget(m_columns);
    columnsRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_props, 3);
    layout->addLayout(columnsRow);
    layout->addWidget(m_matrix, 2);
    layout->addWidget(buttons);

    layMatrix();
    connect(m_columns, &QSpinBox::valueChanged, this, &DetailWindow::layMatrix);

    core::IniFile ini(m_session.folder().stateFile());
    ini.load();
    PlacementLoad(*this, ini, kSection, true, true);
}

DetailWindow::~DetailWindow()
{
    core::IniFile ini(m_session.folder().stateFile());
    ini.load();
    PlacementSave(*this, ini, kSection);
    ini.save(nullptr);
}

void DetailWindow::layMatrix()
{
    const int columns = m_columns->value();
    const int rows = core::GroupCount(1, core::NumberCount, columns);
    m_matrix->clear();
    m_matrix->setColumnCount(columns);
    m_matrix->setRowCount(rows);
    const int channel = m_session.statistics().config().ChannelSize;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int n = r * columns + c + 1;
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (n <= core::NumberCount) {
                item->setBackground(ColorFromBgr(core::NumberColor(n, channel)));
                item->setForeground(QColor(Qt::black));
            }
            m_matrix->setItem(r, c, item);
        }
    // Only the five numbers are written, each in its place on the matrix.
    for (std::uint8_t n : m_numbers.v) {
        if (n < 1 || n > core::NumberCount)
            continue;
        m_matrix->item(core::MatrixRow(n, columns) - 1, core::MatrixCol(n, columns) - 1)->setText(QString::number(n));
    }
}

} // namespace ui
