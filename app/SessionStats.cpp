// The statistics table of the session and the full-set files behind its comparison.

#include "app/Session.h"

#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QFileInfo>

namespace app {

views::StatTableParams Session::statParams(int window) const
{
    views::StatTableParams p;
    p.DrawsOffset = m_drawsOffset;
    p.Window = window;
    p.Sorted = m_state.SortedDraws;
    p.Cdl = config().CDL;
    p.DecimalPoint = core::SystemDecimalPoint();
    return p;
}

bool Session::statCalc(int method, int window, bool force)
{
    const std::array<std::int64_t, 4> key{std::int64_t(m_draws.size()), m_drawsOffset, window, method};
    if (!force && key == m_statCache)
        return false;
    m_statCache = key;
    m_statTable = views::StatTable{};
    m_statChart = views::StatChart{};
    m_statMethod = -1;
    if (method < 0 || method >= m_statList.Count() || m_draws.empty()) {
        emit statTableChanged();
        return true;
    }
    BusyScope busy(*this, tr("Анализ тиражей и расчет статистики..."));
    try {
        const auto stat = m_statList.CreateStat(method);
        views::FullSetCounts counts;
        views::StatTableParams params = statParams(window);
        if (prefetchOpen(method, counts))
            params.FullSet = &counts;
        m_statTable = views::ComputeStatTable(*stat, m_draws, params);
        m_statChart = views::ComputeStatChart(*stat, m_statTable, params, m_state.ShowTotalLine);
        m_statMethod = method;
    } catch (const std::exception& e) {
        const auto* convert = dynamic_cast<const core::EConvertError*>(&e);
        showError(convert ? convert->message() : QString::fromLocal8Bit(e.what()));
    }
    emit statTableChanged();
    return true;
}

QString Session::fullSetPath(int method) const
{
    return views::FullSetPath(m_folder, m_statList.Items(method).GetCodeText());
}

bool Session::prefetchOpen(int method, views::FullSetCounts& counts)
{
    if (!m_state.PrefetchsEnabled || !m_statList.Items(method).Class->CanPrefetch())
        return false;
    const QString path = fullSetPath(method);
    if (QFileInfo::exists(path)) {
        QString error;
        if (!views::ReadFullSetFile(path, counts, &error)) {
            showError(tr("Ошибка открытия файла данных для полного набора вариантов!\n\nИмя файла: %1\n\n%2")
                          .arg(path, error));
            return false;
        }
        if (!counts.Records.empty())
            return true;
    }
    return prefetchBuild(method, &counts);
}

bool Session::prefetchBuild(int method, views::FullSetCounts* counts)
{
    const QString path = fullSetPath(method);
    BusyScope busy(*this, tr("Создание файла предварительной выборки %1...").arg(QFileInfo(path).fileName()));
    // The full set is a list of its own, built once; the candidate list and its undo copy stay
    // as they are.
    const views::FullSetCounts built = views::ComputeFullSet(m_statList, method);
    QString error;
    if (!views::WriteFullSetFile(path, built, &error)) {
        showError(
            tr("Ошибка создания файла данных для полного набора вариантов!\n\nИмя файла: %1\n\n%2").arg(path, error));
        return false;
    }
    if (counts)
        *counts = built;
    return true;
}

void Session::prefetchRebuildAll(bool force, std::uint16_t categories)
{
    if (!force && !m_state.PrefetchsEnabled)
        return;
    BusyScope busy(*this, tr("Создание файлов для полного набора комбинаций..."));
    ProgressScope progress(m_io, tr("Создание файлов для полного набора комбинаций..."), m_statList.Count());
    for (int i = 0; i < m_statList.Count(); ++i) {
        progress.step(i);
        const stats::StatClass& cls = *m_statList.Items(i).Class;
        if (!cls.CanPrefetch())
            continue;
        if (QFileInfo::exists(fullSetPath(i)) && !(categories & (1u << cls.Category)))
            continue;
        if (!prefetchBuild(i))
            break;
    }
    progress.step(m_statList.Count());
}

void Session::setPrefetchsEnabled(bool on)
{
    {
        BusyScope busy(*this, QString());
        m_state.PrefetchsEnabled = on;
        storeStateBool(QStringLiteral("PrefetchsEnabled"), on);
        prefetchRebuildAll(false, 0);
    }
    emit statOptionsChanged();
}

void Session::setShowTotalLine(bool on)
{
    m_state.ShowTotalLine = on;
    storeStateBool(QStringLiteral("ShowTotalLine"), on);
    emit statOptionsChanged();
}

} // namespace app
