// The run's caches over positions of the full list: the verdicts of the filters that select all
// their rows at once, the variants narrowed by intersecting them, and the start list made from
// its positions only when something needs the list itself.

#include "app/ScriptController.h"

#include "app/CandidatesController.h"
#include "app/ScriptRunCache.h"
#include "stats/StatKey.h"

#include <algorithm>
#include <array>
#include <bit>

#include <cstring>
#include <string>
#include <utility>

namespace app {

namespace {

// The verdict of a statistic that matches row by row and whose combinations have few different
// sets of values, looked up from each combination's set in a test over many analysis points.
// False, with nothing changed, when the statistic has more sets or a row is in none of them.
bool VerdictFromIndex(ScriptRunCache& cache, CandidatesController::FilterChoice& choice, ScriptRunCache::Verdict& v)
{
    constexpr std::size_t kIndexBytes = std::size_t{64} << 20;
    if (!cache.longRun || !choice.Stat->MatchesRowByRow())
        return false;
    const core::TCombsArray& full = cache.full;
    ScriptRunCache::ValueIndex& index = cache.valueIndexes[{choice.Method, choice.Sorted}];
    if (!index.Tried && cache.valueIndexBytes + full.size() <= kIndexBytes) {
        index.Tried = true;
        std::vector<std::vector<core::TStatKey>> sets;
        if (choice.Stat->ValuesOfEach(full, sets, index.Of)) {
            for (std::size_t j = 0; j < sets.size(); ++j)
                for (const core::TStatKey& k : sets[j])
                    index.SetsOf[stats::KeyBits(k)][j / 64] |= std::uint64_t{1} << (j % 64);
            cache.valueIndexBytes += index.Of.size();
        }
    }
    if (index.SetsOf.empty())
        return false;
    std::array<std::uint64_t, 4> chosen{};
    for (const core::TStatDrawRec& row : choice.Values) {
        const auto found = index.SetsOf.find(stats::KeyBits(row.Key));
        if (found == index.SetsOf.end())
            return false;
        for (std::size_t w = 0; w < chosen.size(); ++w)
            chosen[w] |= found->second[w];
    }
    if (choice.Exclude)
        for (std::uint64_t& w : chosen)
            w = ~w;
    v.Kept.setWhere(index.Of, chosen);
    v.Asked.setAll(full.size());
    return true;
}

// The verdict of a statistic whose test asks whether a combination has one of some numbers: made
// from the numbers alone when the full list is the whole set in order, else joined from the
// positions of those numbers in a test over many analysis points. False, with nothing changed,
// when it asks more or too many numbers.
bool VerdictFromNumbers(ScriptRunCache& cache, CandidatesController::FilterChoice& choice, ScriptRunCache::Verdict& v)
{
    // Joining more numbers than this costs about as much as one pass over the full list.
    constexpr int kMostNumbers = 40;
    std::uint64_t numbers = 0;
    if (!choice.Stat->MatchingNumbers(stats::TSelection(choice.Values), numbers))
        return false;
    const core::TCombsArray& full = cache.full;
    if (cache.fullWhole) {
        v.Kept.setWithAnyNumber(numbers, choice.Exclude);
        v.Asked.setAll(full.size());
        return true;
    }
    const int count = std::popcount(numbers);
    if (!cache.longRun || count == 0 || count > kMostNumbers)
        return false;
    if (!cache.numberPositionsTried) {
        cache.numberPositionsTried = true;
        const std::size_t words = (full.size() + 63) / 64;
        std::vector<std::vector<std::uint64_t>> bits(64, std::vector<std::uint64_t>(words, 0));
        bool clean = true;
        for (std::size_t i = 0; i < full.size() && clean; ++i) {
            for (const std::uint8_t n : full[i].v) {
                clean = clean && n < 64;
                if (n < 64)
                    bits[n][i / 64] |= std::uint64_t{1} << (i % 64);
            }
        }
        if (clean)
            for (std::vector<std::uint64_t>& b : bits)
                cache.numberPositions.push_back(combos::CombSubset::OfWords(full.size(), std::move(b)));
    }
    if (cache.numberPositions.empty())
        return false;
    std::vector<const combos::CombSubset*> parts;
    for (std::uint64_t rest = numbers; rest != 0; rest &= rest - 1)
        parts.push_back(&cache.numberPositions[std::size_t(std::countr_zero(rest))]);
    v.Kept.setUnion(parts, choice.Exclude);
    v.Asked.setAll(full.size());
    return true;
}

// The verdict of a statistic that matches row by row, joined from the positions of the values its
// rows are, in a test over many analysis points. False, with nothing changed, when the statistic
// has too many values or a row is not one of them.
bool VerdictFromValues(ScriptRunCache& cache, CandidatesController::FilterChoice& choice, ScriptRunCache::Verdict& v)
{
    // Joining more rows than this costs about as much as one pass over the full list.
    constexpr std::size_t kMostRows = 32;
    constexpr std::size_t kMostValues = 64;
    constexpr std::size_t kValueBytes = std::size_t{256} << 20;
    if (!cache.longRun || !choice.Stat->MatchesRowByRow() || choice.Values.size() > kMostRows)
        return false;
    const core::TCombsArray& full = cache.full;
    ScriptRunCache::ValuePositions& values = cache.valuePositions[{choice.Method, choice.Sorted}];
    if (!values.Tried) {
        values.Tried = true;
        const std::size_t most = (kValueBytes - std::min(kValueBytes, cache.valuePositionBytes)) /
                                 std::max<std::size_t>(1, (full.size() + 63) / 64 * sizeof(std::uint64_t));
        std::vector<core::TStatKey> keys;
        std::vector<std::vector<std::uint64_t>> bits;
        if (choice.Stat->PositionsByValue(full, std::min(kMostValues, most), keys, bits)) {
            for (std::size_t j = 0; j < keys.size(); ++j) {
                combos::CombSubset part = combos::CombSubset::OfWords(full.size(), std::move(bits[j]));
                cache.valuePositionBytes += part.bytes();
                values.ByKey.emplace(stats::KeyBits(keys[j]), std::move(part));
            }
        }
    }
    if (values.ByKey.empty())
        return false;
    std::vector<const combos::CombSubset*> parts;
    for (const core::TStatDrawRec& row : choice.Values) {
        const auto found = values.ByKey.find(stats::KeyBits(row.Key));
        if (found == values.ByKey.end())
            return false;
        parts.push_back(&found->second);
    }
    v.Kept.setUnion(parts, choice.Exclude);
    v.Asked.setAll(full.size());
    return true;
}

// The verdict of a statistic that matches row by row, joined from the matches of its rows over
// the whole full list: when they are known, or when one is not and learning it costs the one pass
// the selection would cost anyway. False, with nothing changed, otherwise.
bool VerdictFromRows(ScriptRunCache& cache, CandidatesController::FilterChoice& choice, ScriptRunCache::Verdict& v)
{
    // Joining more rows than this costs about as much as one pass over the full list.
    constexpr std::size_t kMostRows = 16;
    constexpr std::size_t kMostNewRows = 1;
    constexpr std::size_t kRowMatchBytes = std::size_t{128} << 20;
    if (!choice.Stat->MatchesRowByRow() || choice.Values.size() > kMostRows)
        return false;
    const auto rowKey = [&choice](const core::TStatDrawRec& row) {
        std::string key(sizeof(std::int32_t) + 1 + sizeof row.Key, '\0');
        std::memcpy(key.data(), &choice.Method, sizeof(std::int32_t));
        key[sizeof(std::int32_t)] = choice.Sorted ? 1 : 0;
        std::memcpy(key.data() + sizeof(std::int32_t) + 1, &row.Key, sizeof row.Key);
        return key;
    };
    std::vector<std::string> keys;
    std::size_t unknown = 0;
    for (const core::TStatDrawRec& row : choice.Values) {
        keys.push_back(rowKey(row));
        unknown += cache.rowMatches.contains(keys.back()) ? 0 : 1;
    }
    if (unknown > kMostNewRows)
        return false;
    const core::TCombsArray& full = cache.full;
    // A script with very many different rows starts learning them again.
    const std::size_t bytes = (full.size() + 63) / 64 * sizeof(std::uint64_t);
    if (cache.rowMatchBytes + unknown * bytes > kRowMatchBytes) {
        cache.rowMatches.clear();
        cache.rowMatchBytes = 0;
        return false;
    }
    // The parts stay where they are while others are added.
    std::vector<const combos::CombSubset*> parts;
    for (std::size_t r = 0; r < keys.size(); ++r) {
        const core::TStatDrawRec& row = choice.Values[r];
        auto found = cache.rowMatches.find(keys[r]);
        if (found == cache.rowMatches.end()) {
            cache.rowMatchBytes += bytes;
            choice.Stat->LoadDraws(-1, choice.Last, choice.Sorted);
            found =
                cache.rowMatches
                    .emplace(std::move(keys[r]), combos::CombSubset::Filtered(*choice.Stat, core::TStatDrawArray{row},
                                                                              false, choice.Sorted, choice.Last, full))
                    .first;
        }
        parts.push_back(&found->second);
    }
    v.Kept.setUnion(parts, choice.Exclude);
    v.Asked.setAll(full.size());
    return true;
}

// The positions of the list that a filter keeps. Its verdict on each position is worked out once
// per selection and kept. Cheapest first: from the numbers the test asks, from each combination's
// set of values, from the parts of the full list per value or per row, from a pass the statistic
// has for the whole set in order; else over the positions not asked before when they are under an
// eighth of the full list (gathering them costs more per combination than most tests), else over
// the whole full list on both cores.
const combos::CombSubset& KeptPositions(ScriptRunCache& cache, CandidatesController::FilterChoice& choice,
                                        const combos::CombSubset& list)
{
    std::string key;
    const auto add = [&key](const void* data, std::size_t size) { key.append(static_cast<const char*>(data), size); };
    const std::int32_t head[3] = {choice.Method, choice.Last, (choice.Exclude ? 1 : 0) | (choice.Sorted ? 2 : 0)};
    add(head, sizeof head);
    for (const core::TStatDrawRec& r : choice.Values)
        add(&r.Key, sizeof r.Key);
    auto found = cache.verdicts.find(key);
    if (found == cache.verdicts.end()) {
        // A script with very many different selections keeps only the newest verdicts.
        constexpr std::size_t kVerdictBytes = std::size_t{256} << 20;
        const std::size_t bytes = 2 * list.bytes();
        if (cache.verdictBytes + bytes > kVerdictBytes) {
            cache.verdicts.clear();
            cache.verdictBytes = 0;
        }
        cache.verdictBytes += bytes;
        found = cache.verdicts.emplace(std::move(key), cache.spareVerdict()).first;
    }
    ScriptRunCache::Verdict& v = found->second;
    const std::size_t unaskedCount = v.Asked.valid() ? list.countWithout(v.Asked) : list.count();
    if (unaskedCount > 0) {
        if (VerdictFromNumbers(cache, choice, v) || VerdictFromIndex(cache, choice, v) ||
            VerdictFromValues(cache, choice, v) || VerdictFromRows(cache, choice, v))
            return v.Kept;
        const core::TCombsArray& full = cache.full;
        choice.Stat->LoadDraws(-1, choice.Last, choice.Sorted);
        // Made aside: a verdict asked over some positions before keeps them if there is no such pass.
        if (cache.fullWhole && cache.wholeMarks.setFilteredWhole(*choice.Stat, choice.Values, choice.Exclude)) {
            std::swap(v.Kept, cache.wholeMarks);
            v.Asked.setAll(full.size());
            return v.Kept;
        }
        if (8 * unaskedCount >= full.size()) {
            v.Kept.setFiltered(*choice.Stat, choice.Values, choice.Exclude, choice.Sorted, choice.Last, full);
            v.Asked.setAll(full.size());
        } else if (!v.Asked.valid()) {
            v.Kept = list.filtered(*choice.Stat, choice.Values, choice.Exclude, choice.Sorted, choice.Last, full,
                                   cache.scratch);
            v.Asked = list;
        } else {
            const combos::CombSubset unasked = list.without(v.Asked);
            v.Kept |= unasked.filtered(*choice.Stat, choice.Values, choice.Exclude, choice.Sorted, choice.Last, full,
                                       cache.scratch);
            v.Asked |= unasked;
        }
    }
    return v.Kept;
}

} // namespace

void ScriptRunCache::beginAnalysisPoint()
{
    excluded.clear();
    chain.clear();
    excludedPositions.clear();
    dropVerdicts();
    m_tables.clear();
    m_sortedTables.clear();
}

std::shared_ptr<const std::vector<views::StatTableRow>>
ScriptRunCache::sortedTable(int method, const views::StatTableParams& params, int sortColumn,
                            const std::function<std::vector<views::StatTableRow>()>& compute)
{
    const TableKey key = tableKey(method, params);
    std::shared_ptr<const std::vector<views::StatTableRow>>& sorted = m_sortedTables[{key, sortColumn}];
    if (!sorted) {
        auto found = m_tables.find(key);
        if (found == m_tables.end())
            found = m_tables.emplace(key, compute()).first;
        std::vector<views::StatTableRow> rows = found->second;
        views::SortStatRows(rows, sortColumn, true);
        sorted = std::make_shared<const std::vector<views::StatTableRow>>(std::move(rows));
    }
    return sorted;
}

void ScriptRunCache::dropVerdicts()
{
    // Enough for the verdicts of one analysis point of a usual script.
    constexpr std::size_t kMostSpare = 32;
    for (auto& [key, verdict] : verdicts) {
        if (m_spareVerdicts.size() == kMostSpare)
            break;
        verdict.Asked.reset();
        verdict.Kept.reset();
        m_spareVerdicts.push_back(std::move(verdict));
    }
    verdicts.clear();
    verdictBytes = 0;
}

ScriptRunCache::Verdict ScriptRunCache::spareVerdict()
{
    if (m_spareVerdicts.empty())
        return Verdict();
    Verdict v = std::move(m_spareVerdicts.back());
    m_spareVerdicts.pop_back();
    return v;
}

void ScriptController::listMake()
{
    if (!m_cache || !m_cache->pending)
        return;
    m_cache->pending = false;
    core::TCombsArray combs;
    if (m_cache->positions.count() == m_cache->full.size())
        combs = m_cache->full;
    else
        m_cache->positions.extract(m_cache->full, combs);
    m_candidates.restoreState(std::move(combs), std::vector<combos::FilterHistoryRow>(m_candidates.history()));
}

std::size_t ScriptController::listCount() const
{
    return m_cache && m_cache->pending ? m_cache->positions.count() : m_candidates.combs().size();
}

core::TComb ScriptController::listAt(std::size_t k) const
{
    if (m_cache && m_cache->pending)
        return m_cache->full[m_cache->positions.nth(k)];
    return m_candidates.combs()[k];
}

// The steps of filterRecApply over positions of the full list while the filters select all their
// rows at once: such a filter's selection does not depend on the list, so its verdict on every
// combination of the full list is worked out once per analysis point and each variant only
// intersects verdicts. The log, the history and the list come out as the plain steps give them;
// from the first filter that walks row by row on, the plain steps go on with the list itself.
void ScriptController::applyOnPositions(const combos::TFilterRec& rec, combos::FilterRunHooks& hooks)
{
    const core::TCombsArray& full = m_cache->full;
    // The positions go into the list and come back when it stays pending, storage and all.
    combos::CombSubset list = std::move(m_cache->positions);
    std::vector<combos::FilterHistoryRow> history = m_candidates.history();
    const auto log = [&](const QString& text) {
        if (hooks.logging())
            hooks.log(text);
    };
    // The list as far as the filters got, made also when one of them fails.
    const auto make = [&] {
        m_cache->pending = false;
        core::TCombsArray combs;
        list.extract(full, combs);
        m_candidates.restoreState(std::move(combs), std::move(history));
    };
    int place = 0;
    try {
        for (; place < combos::kFilterPlaces; ++place) {
            if (hooks.stopRequested())
                break;
            const combos::TFilterPart& part = rec[std::size_t(place)];
            if (list.count() <= 1 || !part.Enabled)
                continue;
            if (!part.MultiSelect)
                break;
            std::optional<CandidatesController::FilterChoice> choice = m_candidates.filterChoose(part, hooks);
            if (!choice)
                continue;
            log(combos::FilterNarrowLogText(part.Keep));
            if (choice->Values.empty()) {
                log(combos::FilterCountLogText(list.count()));
                continue;
            }
            const combos::CombSubset& kept = KeptPositions(*m_cache, *choice, list);
            const std::size_t left = list.countAnd(kept);
            history.push_back(
                {choice->Name, choice->Texts.join(QStringLiteral("; ")), std::int64_t(left),
                 part.Keep ? combos::FilterHistoryRow::Kind::Kept : combos::FilterHistoryRow::Kind::Removed});
            log(combos::FilterCountLogText(left));
            if (left == 0) {
                log(combos::FilterUndoLogText());
                history.push_back(combos::UndoHistoryRow(std::int64_t(list.count())));
            } else {
                list &= kept;
            }
        }
    } catch (...) {
        make();
        throw;
    }
    if (place == combos::kFilterPlaces) {
        // Every filter went over positions: the list stays pending until something needs it.
        m_cache->positions = std::move(list);
        m_cache->pending = true;
        m_candidates.restoreState(core::TCombsArray(), std::move(history));
        return;
    }
    make();
    for (; place < combos::kFilterPlaces; ++place) {
        if (hooks.stopRequested())
            return;
        const combos::TFilterPart& part = rec[std::size_t(place)];
        if (m_candidates.combs().size() > 1 && part.Enabled)
            m_candidates.filterApply(part, hooks);
    }
}

} // namespace app
