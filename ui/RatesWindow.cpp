#include "ui/RatesWindow.h"

#include "core/IniFile.h"
#include "core/Settings.h"
#include "online/Conventions.h"
#include "ui/WindowLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kListName = QStringLiteral("lvRates");

} // namespace

RatesWindow::RatesWindow(const std::vector<online::tScriptRate>& rates, const QString& stateFile, QWidget* parent)
    : QDialog(parent), m_list(new QTableWidget(this)), m_close(new QPushButton(tr("Закрыть"), this)),
      m_stateFile(stateFile)
{
    setObjectName(QStringLiteral("TFormRates"));
    setWindowTitle(tr("Оценки пользователей"));
    resize(640, 320);

    m_list->setObjectName(kListName);
    m_list->setColumnCount(6);
    m_list->setHorizontalHeaderLabels(
        {tr("Имя"), tr("Оценка"), tr("Дата"), tr("Программа"), tr("Версия"), tr("Комментарии")});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setHighlightSections(false);
    const int widths[] = {120, 60, 130, 100, 60, 240};
    for (int column = 0; column < 6; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_list->setRowCount(int(rates.size()));
    for (int row = 0; row < int(rates.size()); ++row) {
        const online::tScriptRate& r = rates[std::size_t(row)];
        const QString cells[] = {r.cl_name, r.rate, online::TimeText(r.created), r.app_name, r.app_ver, r.notes};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == 5)
                item->setToolTip(r.notes);
            m_list->setItem(row, column, item);
        }
    }

    m_close->setObjectName(QStringLiteral("btnClose"));
    m_close->setToolTip(tr("Закрыть окно"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    if (!m_stateFile.isEmpty()) {
        core::IniFile ini(m_stateFile);
        ini.load();
        ListLayoutLoad(ini, core::kMainWindowSection, kListName, *m_list->horizontalHeader(), false);
    }
}

RatesWindow::~RatesWindow()
{
    if (m_stateFile.isEmpty())
        return;
    core::IniFile ini(m_stateFile);
    // A state file that cannot be read is not overwritten with the columns alone.
    if (!ini.load())
        return;
    ListLayoutSave(ini, core::kMainWindowSection, kListName, *m_list->horizontalHeader(), false);
    ini.save();
}

} // namespace ui
