#pragma once

// The pages "Графики", "Карта", "Схема" and "Неделя" and the windows of repeats, details and
// the sum distribution as the program runs them: their lengths, what each page computed last and
// for which archive, offset and length, and the recalculation that leaves alone every page
// nobody is looking at. A page tells the controller when it comes on screen and when it goes.

#include "core/GameTypes.h"
#include "views/DrawDetail.h"
#include "views/DrawGraph.h"
#include "views/LayoutScheme.h"
#include "views/NumberCard.h"
#include "views/Repeats.h"
#include "views/WeekStats.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <cstdint>

namespace app {

class ArchiveController;
class CandidatesController;
class Services;
class StatisticsController;

class ViewsController : public QObject
{
    Q_OBJECT

public:
    enum class Page { Graphs, Card, Layout, Week };

    ViewsController(Services& services, const ArchiveController& archive, const StatisticsController& statistics,
                    CandidatesController& candidates);

    // A page that comes on screen is computed at once (forced: it may have missed changes of
    // settings); a page off screen is skipped by every recalculation.
    void setShown(Page page, bool shown);
    bool isShown(Page page) const { return m_shown[std::size_t(page)]; }

    // Every shown page in turn: the draw graph, the card, the layout, its comparison lists and
    // the week statistics. Without force a page whose inputs did not change keeps its result.
    void recalc(bool force);

    // ---- the draw graph
    void setGraphMethod(int method) { m_graphMethod = method; }
    int graphMethod() const { return m_graphMethod; }
    void setGraphLength(int length) { m_graphLength = length; }
    int graphLength() const { return m_graphLength; }
    // True when the graph was computed anew (also when it became empty).
    bool graphCalc(bool force);
    const views::DrawGraph& graph() const { return m_graph; }

    // ---- the number card: the whole archive, whatever the offset
    bool cardFill(bool force);
    views::CardLook cardLook() const;
    bool colorCard() const { return m_colorCard; }
    bool colorCardSequences() const { return m_colorCardSequences; }
    void setColorCard(bool on);
    void setColorCardSequences(bool on);

    // ---- the layout and its five comparison lists
    void setLayoutLength(int length) { m_layoutLength = length; }
    int layoutLength() const { return m_layoutLength; }
    void setLayoutCompareLength(int list, int length) { m_compareLengths[std::size_t(list)] = length; }
    int layoutCompareLength(int list) const { return m_compareLengths[std::size_t(list)]; }
    bool layoutBuild(bool force);
    bool layoutCompareBuild(bool force);
    const views::LayoutGrid& layout() const { return m_layout; }
    const std::array<views::LayoutCompareList, views::kLayoutCompareLists>& layoutCompare() const { return m_compare; }
    bool layoutGradient() const { return m_layoutGradient; }
    void setLayoutGradient(bool on);

    // ---- the week statistics
    void setWeekLength(int length) { m_weekLength = length; }
    int weekLength() const { return m_weekLength; }
    bool weekBuild(bool force);
    const views::WeekTable& week() const { return m_week; }

    // Keeps (or removes) the combinations that hold one of the numbers picked in a grid; the
    // name is the page's caption for the filter history. An empty pick is refused before the
    // undo copy is touched, so the step before stays undoable. False when nothing was filtered.
    bool filterByNumbers(const std::vector<int>& numbers, const QStringList& texts, const QString& name, bool exclude);

    // ---- the windows
    views::RepeatsResult repeats(int length, int deep);
    std::vector<views::DetailRow> drawDetail(int index);
    std::vector<views::DetailRow> combDetail(const core::TComb& comb);
    // Counts the sums and shows them in the graph window.
    void sumDistribution();

    // The look switches kept in the window-state file, read at start-up.
    void readState();

signals:
    void graphChanged();
    void cardChanged();
    void layoutChanged();
    void layoutCompareChanged();
    void weekChanged();
    // Only colours changed: the card's or the layout's.
    void cardLookChanged();
    void layoutLookChanged();

private:
    // What a result was computed from: the archive (size and content), the offset, the length
    // and, for the graph, the method and the sorted flag.
    using CacheKey = std::array<std::int64_t, 5>;
    static constexpr CacheKey kNoKey{-1, -1, -1, -1, -1};
    CacheKey key(std::int64_t length, std::int64_t extra = 0) const;
    void showCalcError(const std::exception& e);

    Services& m_services;
    const ArchiveController& m_archive;
    const StatisticsController& m_statistics;
    CandidatesController& m_candidates;
    std::array<bool, 4> m_shown{};

    int m_graphMethod = -1;
    int m_graphLength = 100;
    CacheKey m_graphKey = kNoKey;
    views::DrawGraph m_graph;

    // The card is refilled when the archive it shows changed, an edited draw included.
    std::int64_t m_cardArchive = -1;
    bool m_colorCard = true;
    bool m_colorCardSequences = true;

    int m_layoutLength = 100;
    CacheKey m_layoutKey = kNoKey;
    views::LayoutGrid m_layout;
    std::array<int, views::kLayoutCompareLists> m_compareLengths{};
    CacheKey m_compareKey = kNoKey;
    std::array<views::LayoutCompareList, views::kLayoutCompareLists> m_compare;
    bool m_layoutGradient = true;

    int m_weekLength = 1000;
    CacheKey m_weekKey = kNoKey;
    views::WeekTable m_week;
};

} // namespace app
