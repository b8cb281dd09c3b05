#include "app/StatisticsController.h"

#include "app/Languages.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QFileInfo>
#include <QHash>

namespace app {

StatisticsController::StatisticsController(Services& services, ArchiveController& archive, NetworkSource network)
    : m_services(services), m_archive(archive), m_network(std::move(network))
{
    m_list.setDraws(&m_archive.draws());
}

void StatisticsController::fill()
{
    m_list.Fill();
    loadNames();
}

views::StatTableParams StatisticsController::params(int window) const
{
    views::StatTableParams p;
    p.DrawsOffset = m_archive.offset();
    p.Window = window;
    p.Sorted = m_services.windowState().SortedDraws;
    p.Cdl = config().CDL;
    p.DecimalPoint = core::SystemDecimalPoint();
    return p;
}

bool StatisticsController::calc(int method, int window, bool force)
{
    const std::array<std::int64_t, 4> key{std::int64_t(m_archive.draws().size()), m_archive.offset(), window, method};
    if (!force && key == m_cache)
        return false;
    m_cache = key;
    m_table = views::StatTable{};
    m_chart = views::StatChart{};
    m_method = -1;
    if (method < 0 || method >= m_list.Count() || m_archive.draws().empty()) {
        emit tableChanged();
        return true;
    }
    BusyScope busy(m_services, tr("Анализ тиражей и расчет статистики..."));
    try {
        const auto stat = m_list.CreateStat(method);
        views::FullSetCounts counts;
        views::StatTableParams params = this->params(window);
        if (prefetchOpen(method, counts))
            params.FullSet = &counts;
        m_table = views::ComputeStatTable(*stat, m_archive.draws(), params);
        m_chart = views::ComputeStatChart(*stat, m_table, params, m_services.windowState().ShowTotalLine);
        m_method = method;
    } catch (const std::exception& e) {
        const auto* convert = dynamic_cast<const core::EConvertError*>(&e);
        m_services.showError(convert ? convert->message() : QString::fromLocal8Bit(e.what()));
    }
    emit tableChanged();
    return true;
}

QString StatisticsController::fullSetPath(int method) const
{
    return views::FullSetPath(m_services.folder(), m_list.Items(method).GetCodeText());
}

bool StatisticsController::prefetchOpen(int method, views::FullSetCounts& counts)
{
    if (!m_services.windowState().PrefetchsEnabled || !m_list.Items(method).Class->CanPrefetch())
        return false;
    const QString path = fullSetPath(method);
    if (QFileInfo::exists(path)) {
        QString error;
        if (!views::ReadFullSetFile(path, counts, &error)) {
            m_services.showError(tr("Ошибка открытия файла данных для полного набора вариантов!\n\nИмя файла: %1\n\n%2")
                                     .arg(path, error));
            return false;
        }
        if (!counts.Records.empty())
            return true;
    }
    return prefetchBuild(method, &counts);
}

bool StatisticsController::prefetchBuild(int method, views::FullSetCounts* counts)
{
    const QString path = fullSetPath(method);
    BusyScope busy(m_services, tr("Создание файла предварительной выборки %1...").arg(QFileInfo(path).fileName()));
    // The full set is a list of its own, built once; the candidate list and its undo copy stay
    // as they are.
    const views::FullSetCounts built = views::ComputeFullSet(m_list, method);
    QString error;
    if (!views::WriteFullSetFile(path, built, &error)) {
        m_services.showError(
            tr("Ошибка создания файла данных для полного набора вариантов!\n\nИмя файла: %1\n\n%2").arg(path, error));
        return false;
    }
    if (counts)
        *counts = built;
    return true;
}

void StatisticsController::prefetchRebuildAll(bool force, std::uint16_t categories)
{
    if (!force && !m_services.windowState().PrefetchsEnabled)
        return;
    BusyScope busy(m_services, tr("Создание файлов для полного набора комбинаций..."));
    ProgressScope progress(m_services.io(), tr("Создание файлов для полного набора комбинаций..."), m_list.Count());
    for (int i = 0; i < m_list.Count(); ++i) {
        progress.step(i);
        const stats::StatClass& cls = *m_list.Items(i).Class;
        if (!cls.CanPrefetch())
            continue;
        if (QFileInfo::exists(fullSetPath(i)) && !(categories & (1u << cls.Category)))
            continue;
        if (!prefetchBuild(i))
            break;
    }
    progress.step(m_list.Count());
}

void StatisticsController::setPrefetchsEnabled(bool on)
{
    {
        BusyScope busy(m_services, QString());
        m_services.windowState().PrefetchsEnabled = on;
        m_services.storeStateBool(QStringLiteral("PrefetchsEnabled"), on);
        prefetchRebuildAll(false, 0);
    }
    emit optionsChanged();
}

void StatisticsController::setShowTotalLine(bool on)
{
    m_services.windowState().ShowTotalLine = on;
    m_services.storeStateBool(QStringLiteral("ShowTotalLine"), on);
    emit optionsChanged();
}

bool StatisticsController::filtersManager()
{
    stats::TStatList edited = m_list;
    m_services.showStatus(tr("Подождите пожалуйста..."));
    const bool accepted = m_services.io().editFavorites(edited, m_services.folder(), helpFile());
    m_services.showStatus(QString());
    if (!accepted)
        return false;
    applyFavorites(edited);
    return true;
}

void StatisticsController::applyFavorites(const stats::TStatList& edited)
{
    BusyScope busy(m_services, tr("Подождите пожалуйста..."));
    QHash<QString, int> byCode;
    for (int i = 0; i < edited.Count(); ++i)
        byCode.insert(edited.Items(i).GetCodeText().toUpper(), i);
    for (int i = 0; i < m_list.Count(); ++i) {
        stats::TStatMethod& method = m_list.Items(i);
        const int from = byCode.value(method.GetCodeText().toUpper(), -1);
        if (from < 0)
            continue;
        method.Favorite = edited.Items(from).Favorite;
        method.UserName = edited.Items(from).UserName;
    }
    m_list.Ordered = edited.Ordered;
    m_list.ShowGroupName = edited.ShowGroupName;
    m_list.ShowMethodFlags = edited.ShowMethodFlags;
    // Nothing ticked means every method.
    m_list.NormalizeFavorites();
    reload(false);
    m_archive.recalcViews(true);
}

bool StatisticsController::filtersReset()
{
    if (!m_services.askConfirmation(tr("Вы действительно хотите сбросить список избранных фильтров?"), true))
        return false;
    BusyScope busy(m_services, tr("Подождите пожалуйста..."));
    m_list.SelectAllFavorites();
    reload(false);
    return true;
}

QString StatisticsController::helpFile() const
{
    // The description pages are written in the native language whatever the interface shows.
    return HelpFilePath(m_services.folder().exeDir(), kNativeLanguage);
}

bool StatisticsController::editConfig()
{
    core::TConfigData edited = config();
    net::NetworkSettings network = m_network();
    if (!m_services.io().editConfig(edited, network))
        return false;
    // The full-set files of the categories whose settings changed are rebuilt.
    std::uint16_t categories = 0;
    if (edited.MatrixCols != config().MatrixCols)
        categories |= 1u << 4;
    if (edited.ChannelSize != config().ChannelSize)
        categories |= 1u << 3;
    if (core::DigitsText(edited.MatrixSegments) != core::DigitsText(config().MatrixSegments))
        categories |= 1u << 5;
    m_list.setConfig(edited);
    {
        BusyScope busy(m_services, tr("Сохранение файла конфигурации..."));
        QString error;
        if (!core::ConfigSave(m_services.folder().configFile(), config(), &error))
            m_services.showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
        emit networkEdited(network);
    }
    // Parameter ranges follow the channel size, the matrix and the segments.
    reload();
    prefetchRebuildAll(false, categories);
    m_archive.recalcViews(true);
    emit configChanged();
    return true;
}

bool StatisticsController::editShredding()
{
    core::TShreddingData edited = shredding();
    if (!m_services.io().editShredding(edited))
        return false;
    m_list.setShredding(edited);
    {
        BusyScope busy(m_services, tr("Сохранение файла конфигурации..."));
        QString error;
        if (!core::ShreddingSave(m_services.folder().configFile(), shredding(), &error))
            m_services.showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
    }
    prefetchRebuildAll(false, std::uint16_t(1u << 12));
    reload();
    emit configChanged();
    return true;
}

void StatisticsController::loadNames()
{
    QString error;
    if (!m_list.LoadFilterNames(m_services.folder().namesFile(), true, &error))
        m_services.showError(error);
}

void StatisticsController::reload(bool keep)
{
    QString error;
    const bool saved = m_list.SaveFilterNames(m_services.folder().namesFile(), true, false, &error);
    if (!saved)
        m_services.showError(error);
    // What could not be stored is carried over the rebuild by method code, so a failed write
    // loses nothing of this run.
    const QString favorites = m_list.GetFavoritesText();
    const bool ordered = m_list.Ordered;
    const bool showGroupName = m_list.ShowGroupName;
    const bool showMethodFlags = m_list.ShowMethodFlags;
    QHash<QString, QString> names;
    for (int i = 0; i < m_list.Count(); ++i)
        names.insert(m_list.Items(i).GetCodeText().toUpper(), m_list.Items(i).UserName);

    m_list.Fill();
    m_list.SelectAllFavorites();
    if (saved) {
        loadNames();
    } else {
        m_list.SetFavoritesText(favorites);
        m_list.Ordered = ordered;
        m_list.ShowGroupName = showGroupName;
        m_list.ShowMethodFlags = showMethodFlags;
        for (int i = 0; i < m_list.Count(); ++i)
            m_list.Items(i).UserName = names.value(m_list.Items(i).GetCodeText().toUpper());
    }
    emit methodsChanged(keep);
}

} // namespace app
