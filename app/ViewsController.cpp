#include "app/ViewsController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Services.h"
#include "app/StatisticsController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "stats/StatList.h"
#include "views/DrawWindow.h"
#include "views/SumDistribution.h"

#include <QHash>

#include <exception>

namespace app {

namespace {

// Size and content of the archive in one number: an edited draw changes it as much as a new one.
std::int64_t archiveKey(const core::TDrawsArray& draws)
{
    const auto hash = qHashBits(draws.data(), draws.size() * sizeof(core::TDrawRec), draws.size());
    return std::int64_t(hash & 0x7fffffffffffffff);
}

} // namespace

ViewsController::ViewsController(Services& services, const ArchiveController& archive,
                                 const StatisticsController& statistics, CandidatesController& candidates)
    : m_services(services), m_archive(archive), m_statistics(statistics), m_candidates(candidates)
{
    for (int k = 0; k < views::kLayoutCompareLists; ++k)
        m_compareLengths[std::size_t(k)] = views::kLayoutCompareDefaults[k];
}

void ViewsController::readState()
{
    core::IniFile ini(m_services.folder().stateFile());
    ini.load();
    const QString& section = core::kMainWindowSection;
    m_colorCard = ini.readBool(section, QStringLiteral("ColorCard"), true);
    m_colorCardSequences = ini.readBool(section, QStringLiteral("ColorCardSequences"), true);
    m_layoutGradient = ini.readBool(section, QStringLiteral("LayoutGradient"), true);
}

void ViewsController::setShown(Page page, bool shown)
{
    if (m_shown[std::size_t(page)] == shown)
        return;
    m_shown[std::size_t(page)] = shown;
    if (!shown)
        return;
    switch (page) {
    case Page::Graphs:
        graphCalc(true);
        break;
    case Page::Card:
        cardFill(true);
        break;
    case Page::Layout:
        layoutBuild(true);
        layoutCompareBuild(true);
        break;
    case Page::Week:
        weekBuild(true);
        break;
    }
}

void ViewsController::recalc(bool force)
{
    graphCalc(force);
    cardFill(force);
    layoutBuild(force);
    layoutCompareBuild(force);
    weekBuild(force);
}

ViewsController::CacheKey ViewsController::key(std::int64_t length, std::int64_t extra) const
{
    return {std::int64_t(m_archive.draws().size()), archiveKey(m_archive.draws()), m_archive.offset(), length, extra};
}

void ViewsController::showCalcError(const std::exception& e)
{
    const auto* convert = dynamic_cast<const core::EConvertError*>(&e);
    m_services.showError(convert ? convert->message() : QString::fromLocal8Bit(e.what()));
}

// ---- the draw graph

bool ViewsController::graphCalc(bool force)
{
    if (!isShown(Page::Graphs))
        return false;
    const bool sorted = m_services.windowState().SortedDraws;
    const CacheKey k = key(m_graphLength, std::int64_t(m_graphMethod) * 2 + (sorted ? 1 : 0));
    if (!force && k == m_graphKey)
        return false;
    m_graphKey = k;
    m_graph = views::DrawGraph{};
    const stats::TStatList& list = m_statistics.list();
    if (m_graphMethod < 0 || m_graphMethod >= list.Count() || m_archive.draws().empty()) {
        emit graphChanged();
        return true;
    }
    {
        BusyScope busy(m_services, tr("Анализ тиражей и построение графиков..."));
        try {
            const auto stat = list.CreateStat(m_graphMethod);
            if (auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get()))
                m_graph = views::ComputeDrawGraph(*graph, m_archive.draws(), m_archive.offset(), m_graphLength, sorted,
                                                  list.Items(m_graphMethod).GetCaptionText());
        } catch (const std::exception& e) {
            showCalcError(e);
        }
    }
    emit graphChanged();
    return true;
}

// ---- the number card

views::CardLook ViewsController::cardLook() const
{
    return {m_colorCard, m_colorCardSequences, m_statistics.config().ChannelSize};
}

bool ViewsController::cardFill(bool force)
{
    if (!isShown(Page::Card))
        return false;
    const std::int64_t archive = archiveKey(m_archive.draws());
    if (!force && archive == m_cardArchive)
        return false;
    m_cardArchive = archive;
    BusyScope busy(m_services, tr("Обновление карты тиражей..."));
    emit cardChanged();
    return true;
}

void ViewsController::setColorCard(bool on)
{
    if (m_colorCard == on)
        return;
    m_colorCard = on;
    m_services.storeStateBool(QStringLiteral("ColorCard"), on);
    emit cardLookChanged();
}

void ViewsController::setColorCardSequences(bool on)
{
    if (m_colorCardSequences == on)
        return;
    m_colorCardSequences = on;
    m_services.storeStateBool(QStringLiteral("ColorCardSequences"), on);
    emit cardLookChanged();
}

// ---- the layout

bool ViewsController::layoutBuild(bool force)
{
    if (!isShown(Page::Layout))
        return false;
    const CacheKey k = key(m_layoutLength);
    if (!force && k == m_layoutKey)
        return false;
    m_layoutKey = k;
    {
        BusyScope busy(m_services, tr("Построение схемы выпадения номеров..."));
        m_layout =
            views::BuildLayoutGrid(m_archive.draws(), m_archive.offset(), m_layoutLength, m_archive.nextDrawSet());
    }
    emit layoutChanged();
    return true;
}

bool ViewsController::layoutCompareBuild(bool force)
{
    if (!isShown(Page::Layout))
        return false;
    std::int64_t lengths = 0;
    for (int length : m_compareLengths)
        lengths = lengths * 1000003 + length;
    const CacheKey k = key(0, lengths);
    if (!force && k == m_compareKey)
        return false;
    m_compareKey = k;
    {
        BusyScope busy(m_services, tr("Построение схемы выпадения номеров..."));
        for (int i = 0; i < views::kLayoutCompareLists; ++i)
            m_compare[std::size_t(i)] =
                views::BuildLayoutCompare(m_archive.draws(), m_archive.offset(), m_compareLengths[std::size_t(i)]);
    }
    emit layoutCompareChanged();
    return true;
}

void ViewsController::setLayoutGradient(bool on)
{
    if (m_layoutGradient == on)
        return;
    m_layoutGradient = on;
    m_services.storeStateBool(QStringLiteral("LayoutGradient"), on);
    emit layoutLookChanged();
}

// ---- the week statistics

bool ViewsController::weekBuild(bool force)
{
    if (!isShown(Page::Week))
        return false;
    const CacheKey k = key(m_weekLength);
    if (!force && k == m_weekKey)
        return false;
    m_weekKey = k;
    {
        BusyScope busy(m_services, tr("Построение статистики по дням недели..."));
        m_week = views::BuildWeekTable(m_archive.draws(), m_archive.offset(), m_weekLength);
    }
    emit weekChanged();
    return true;
}

// ---- the hand-over of grid numbers to the combination list

bool ViewsController::filterByNumbers(const std::vector<int>& numbers, const QStringList& texts, const QString& name,
                                      bool exclude)
{
    if (!m_services.isIdle() || m_candidates.combs().empty())
        return false;
    if (numbers.empty()) {
        m_services.showError(tr("В выделенном диапазоне нет значений для фильтра!"));
        return false;
    }
    try {
        m_candidates.saveUndo(true);
        BusyScope busy(m_services, QString());
        m_candidates.filterByNumbers(numbers, texts, name, exclude);
    } catch (const std::exception& e) {
        showCalcError(e);
        return false;
    }
    return true;
}

// ---- the windows

views::RepeatsResult ViewsController::repeats(int length, int deep)
{
    BusyScope busy(m_services, QString());
    const int total = int(std::min<std::int64_t>(length, std::int64_t(m_archive.draws().size())));
    UserIo& io = m_services.io();
    ProgressScope progress(io, tr("Идет сбор статистики...."), total);
    return views::ComputeRepeats(m_archive.draws(), length, deep, [&progress](int done) { progress.step(done); });
}

std::vector<views::DetailRow> ViewsController::drawDetail(int index)
{
    BusyScope busy(m_services, QString());
    return views::DetailRows(m_statistics.list(),
                             views::DrawDetailSubject(m_archive.draws(), index, m_services.windowState().SortedDraws));
}

std::vector<views::DetailRow> ViewsController::combDetail(const core::TComb& comb)
{
    BusyScope busy(m_services, QString());
    const views::DrawWindow w = views::AnalysisWindow(int(m_archive.draws().size()), m_archive.offset(), 1);
    return views::DetailRows(m_statistics.list(),
                             views::CombDetailSubject(comb, w.Last, m_services.windowState().SortedDraws));
}

void ViewsController::sumDistribution()
{
    views::SumDistribution d;
    {
        BusyScope busy(m_services, tr("Идет сбор статистики...."));
        d = views::ComputeSumDistribution(m_archive.draws());
    }
    m_services.io().showGraph(
        views::SumDistributionGraph(d, tr("Распределение сумм тиражей и всех возможных комбинаций")));
}

} // namespace app
