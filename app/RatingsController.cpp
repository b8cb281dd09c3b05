#include "app/RatingsController.h"

#include "app/Services.h"
#include "app/StakesController.h"
#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/SafeWrite.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QBuffer>
#include <QFileInfo>

namespace app {

namespace {

constexpr std::uint32_t Grey = 0x808080;

} // namespace

RatingsController::RatingsController(Services& services)
    : m_services(services), m_shares(scripts::TheoreticalHitShares()), m_decimalPoint(core::SystemDecimalPoint())
{
}

QString RatingsController::path() const
{
    return m_services.folder().file(QStringLiteral("Vertoma_5x54.lrt"));
}

void RatingsController::readState(const core::IniFile& ini)
{
    const QString& section = core::kMainWindowSection;
    const int mode = ini.readInt(section, QStringLiteral("RatingsEffMode"), 1);
    m_effMode = mode >= 0 && mode <= 2 ? scripts::EfficiencyMode(mode) : scripts::EfficiencyMode::Absolute;
    const QStringList sort = ini.readString(section, QStringLiteral("lvRatings.SortType")).split(u',');
    bool okColumn = false, okOrder = false;
    const int column = sort.value(0).trimmed().toInt(&okColumn);
    const int order = sort.value(1).trimmed().toInt(&okOrder);
    if (okColumn && okOrder && column >= 0 && column < scripts::RatingColumnCount) {
        m_sortColumn = column;
        m_sortDescending = order == 1;
    }
}

void RatingsController::setEffMode(scripts::EfficiencyMode mode)
{
    m_effMode = mode;
    m_services.storeStateInt(QStringLiteral("RatingsEffMode"), int(mode));
    emit effModeChanged();
}

void RatingsController::load()
{
    if (!QFileInfo::exists(path()))
        return;
    {
        BusyScope busy(m_services, tr("Загрузка файла рейтинга..."));
        core::TRatingsArray rows;
        qint64 tail = 0;
        QString error;
        const bool read = scripts::RatingsReadFile(path(), rows, &tail, &error);
        m_table.setRows(std::move(rows));
        if (!read)
            m_services.showError(tr("Ошибка чтения файла рейтинга!") + QStringLiteral("\n\n") + error);
        else if (tail > 0)
            m_services.showWarning(tr("Файл рейтинга \"%1\" оканчивается неполной записью (%2 байт): прочитаны все "
                                      "целые записи, остаток будет удален при следующем сохранении.")
                                       .arg(path())
                                       .arg(tail));
    }
    sort(m_sortColumn, m_sortDescending);
}

bool RatingsController::save()
{
    bool saved = true;
    {
        BusyScope busy(m_services, tr("Сохранение файла рейтинга..."));
        QString error;
        if (!scripts::RatingsWriteFile(path(), m_table.rows(), &error)) {
            m_services.showError(tr("Ошибка записи в файл рейтинга!") + QStringLiteral("\n\n") + error);
            saved = false;
        }
    }
    emit changed();
    m_services.panelsChanged();
    return saved;
}

bool RatingsController::sort(int column, bool descending)
{
    m_sortColumn = column;
    m_sortDescending = descending;
    {
        BusyScope busy(m_services, tr("Сортировка рейтинга..."));
        if (column >= 0 && m_table.size() >= 2)
            m_table.sort(column, descending);
    }
    return save();
}

void RatingsController::addStake(const stakes::TStakeRec& rec)
{
    m_table.addStored(reinterpret_cast<const char*>(rec.Comment + 1), rec.Comment[0], rec.Matches.Count, rec.Profit);
}

QByteArray RatingsController::fileBytes() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    scripts::RatingsWrite(buffer, m_table.rows(), nullptr);
    return buffer.data();
}

void RatingsController::reload()
{
    m_table.clear();
    load();
}

bool RatingsController::refresh(stakes::StakesFile& stakes)
{
    if (!m_table.isEmpty() &&
        !m_services.askConfirmation(tr("Пересчитать рейтинг только по текущим ставкам?\n\n"
                                       "Накопленные ранее данные по удаленным ставкам будут потеряны."),
                                    false))
        return false;
    QString error;
    bool ok = true;
    {
        BusyScope busy(m_services, tr("Обновление рейтинга..."));
        m_table.clear();
        stakes::StakesFile& file = stakes;
        if (file.hasData())
            ok = file.scan(
                0,
                [this](qint64, const stakes::TStakeRec& rec) {
                    if (rec.DrawNum >= 0 && rec.Checked)
                        addStake(rec);
                    return true;
                },
                &error);
    }
    if (!ok)
        m_services.showError(tr("Ошибка обновления рейтинга!") + QStringLiteral("\n\n") + error);
    return sort(m_sortColumn, m_sortDescending) && ok;
}

bool RatingsController::exportCsv()
{
    const QString target = m_services.io().pickSaveFile(tr("CSV-файлы (*.csv)"), QStringLiteral("csv"));
    if (target.isEmpty())
        return false;
    return exportCsvTo(target);
}

bool RatingsController::exportCsvTo(const QString& target)
{
    QString error;
    bool written = false;
    {
        BusyScope busy(m_services, tr("Экспорт в CSV-файл..."));
        const QByteArray bytes = cp1251::encode(scripts::RatingsCsv(m_table.rows(), m_decimalPoint));
        written = core::WriteBytesSafely(target, bytes, &error);
    }
    if (!written)
        m_services.showError(tr("Ошибка записи в файл \"%1\"!").arg(target) + QStringLiteral("\n\n") + error);
    return written;
}

void RatingsController::graphOverlap(const std::vector<int>& rows)
{
    core::GraphData graph(tr("График количества совпадений для выделенных строк рейтинга"));
    {
        BusyScope busy(m_services, tr("Создание графиков..."));
        std::int32_t most = 0;
        for (int row : rows)
            if (row >= 0 && row < m_table.size())
                most = std::max(most, m_table.rows()[std::size_t(row)].Count);
        const double total = double(core::TotalCombs());
        for (int i = 0; i <= core::CombSize; ++i)
            graph.AddPoint(i, tr("Нормальные значения"),
                           double(core::HitCombinations(core::NumberCount, core::CombSize, i)) * most / total, true,
                           false, Grey);
        for (int row : rows) {
            if (row < 0 || row >= m_table.size())
                continue;
            const core::TRatingRec& r = m_table.rows()[std::size_t(row)];
            for (int i = 0; i <= core::CombSize; ++i)
                graph.AddPoint(i, r.Name, r.Hits[i], true, false, 0);
        }
    }
    m_services.io().showGraph(graph);
}

void RatingsController::clear()
{
    m_table.clear();
}

QString RatingsController::panelText() const
{
    return tr("Рейтинг: %1").arg(m_table.size());
}

QString RatingsController::cellText(int row, int column) const
{
    if (row < 0 || row >= m_table.size())
        return {};
    return scripts::RatingCellText(m_table.rows()[std::size_t(row)], column, m_effMode, m_shares, m_decimalPoint);
}

} // namespace app
