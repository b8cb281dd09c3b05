#include "combos/CombList.h"

#include "core/GameMath.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <memory>
#include <thread>

namespace combos {

namespace {

const char* const kModeCaptions[kGenModeCount] = {
    QT_TRANSLATE_NOOP("combos", "Полный список (все возможные для данного лото варианты)"),
    QT_TRANSLATE_NOOP("combos", "Мои числа - должно присутствовать любое из указанных"),
    QT_TRANSLATE_NOOP("combos", "Мои числа - комбинации только из списка указанных"),
    QT_TRANSLATE_NOOP("combos", "Мои числа - исключить комбинации с любым из указанных"),
    QT_TRANSLATE_NOOP("combos", "Загрузить список из заранее подготовленного CSV-файла"),
};

// Filtering works through the list in blocks so the match flags stay in the cache.
constexpr std::size_t kBlock = 4096;

} // namespace

QString GenModeCaption(int mode)
{
    if (mode < 0 || mode >= kGenModeCount)
        return {};
    return QCoreApplication::translate("combos", kModeCaptions[mode]);
}

FilterHistoryRow UndoHistoryRow(std::int64_t count)
{
    FilterHistoryRow row;
    row.Name = QCoreApplication::translate("combos", "Отмена последней операции");
    row.Count = count;
    row.Icon = FilterHistoryRow::Kind::Undone;
    return row;
}

FilterHistoryRow ExcludedDrawsHistoryRow(int n, std::size_t count)
{
    FilterHistoryRow row;
    row.Name = QCoreApplication::translate("combos", "Последние тиражи");
    row.Values = QString::number(n);
    row.Count = std::int64_t(count);
    row.Icon = FilterHistoryRow::Kind::Removed;
    return row;
}

std::bitset<256> GenNumbers(const QString& param)
{
    std::bitset<256> set;
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    for (const QString& word : param.split(separators)) {
        bool ok = false;
        const qlonglong n = word.trimmed().toLongLong(&ok);
        const qlonglong value = ok ? n : 0;
        if (value >= 0 && value <= 255)
            set.set(std::size_t(value));
    }
    return set;
}

void GenerateCombs(int mode, const QString& param, TCombsArray& out)
{
    const std::bitset<256> s = (mode >= 1 && mode <= 3) ? GenNumbers(param) : std::bitset<256>();
    std::uint64_t mine = 0; // the chosen numbers among 1..54 as bits
    for (int n = 1; n <= core::NumberCount; ++n)
        if (s.test(std::size_t(n)))
            mine |= std::uint64_t{1} << n;
    if (mode < 1 || mode > 3)
        out.reserve(out.size() + std::size_t(core::TotalCombs()));
    const int N = core::NumberCount;
    TComb c;
    for (int a = 1; a <= N - 4; ++a)
        for (int b = a + 1; b <= N - 3; ++b)
            for (int d3 = b + 1; d3 <= N - 2; ++d3)
                for (int d4 = d3 + 1; d4 <= N - 1; ++d4)
                    for (int e = d4 + 1; e <= N; ++e) {
                        if (mode >= 1 && mode <= 3) {
                            const std::uint64_t bits = (std::uint64_t{1} << a) | (std::uint64_t{1} << b) |
                                                       (std::uint64_t{1} << d3) | (std::uint64_t{1} << d4) |
                                                       (std::uint64_t{1} << e);
                            const std::uint64_t inSet = bits & mine;
                            const bool accept = mode == 1 ? inSet != 0 : mode == 2 ? inSet == bits : inSet == 0;
                            if (!accept)
                                continue;
                        }
                        c.v[0] = std::uint8_t(a);
                        c.v[1] = std::uint8_t(b);
                        c.v[2] = std::uint8_t(d3);
                        c.v[3] = std::uint8_t(d4);
                        c.v[4] = std::uint8_t(e);
                        out.push_back(c);
                    }
}

namespace {

// The numbers of five bytes as bits; false when one of them is 64 or more.
bool NumberMask(const std::uint8_t* v, std::uint64_t& mask)
{
    mask = 0;
    for (int i = 0; i < core::CombSize; ++i) {
        if (v[i] >= 64)
            return false;
        mask |= std::uint64_t{1} << v[i];
    }
    return true;
}

} // namespace

bool IsStrictlyAscending(std::span<const TComb> src)
{
    const auto ascending = [](const TComb& c) {
        for (int i = 0; i < core::CombSize; ++i)
            if (c.v[i] < 1 || c.v[i] > core::NumberCount || (i > 0 && c.v[i] <= c.v[i - 1]))
                return false;
        return true;
    };
    const auto before = [](const TComb& a, const TComb& b) {
        return std::lexicographical_compare(std::begin(a.v), std::end(a.v), std::begin(b.v), std::end(b.v));
    };
    for (std::size_t i = 0; i < src.size(); ++i)
        if (!ascending(src[i]) || (i > 0 && !before(src[i - 1], src[i])))
            return false;
    return true;
}

std::optional<std::vector<std::size_t>> DrawnPositions(std::span<const TComb> src, const core::TDrawsArray& draws,
                                                      int first, int last)
{
    std::vector<std::size_t> positions;
    for (int i = std::max(first, 0); i <= last && i < int(draws.size()); ++i) {
        TComb c = core::CombFromDraw(draws[std::size_t(i)]);
        core::SortComb(c);
        for (int k = 0; k < core::CombSize; ++k)
            if (c.v[k] < 1 || c.v[k] > core::NumberCount || (k > 0 && c.v[k] == c.v[k - 1]))
                return std::nullopt;
        const auto at = std::lower_bound(src.begin(), src.end(), c, [](const TComb& a, const TComb& b) {
            return std::lexicographical_compare(std::begin(a.v), std::end(a.v), std::begin(b.v), std::end(b.v));
        });
        if (at != src.end() && *at == c)
            positions.push_back(std::size_t(at - src.begin()));
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

bool ExcludeDrawsFromSorted(std::span<const TComb> src, const core::TDrawsArray& draws, int first, int last,
                            TCombsArray& out)
{
    const std::optional<std::vector<std::size_t>> positions = DrawnPositions(src, draws, first, last);
    if (!positions)
        return false;
    out.resize(src.size() - positions->size());
    std::size_t from = 0;
    TComb* to = out.data();
    for (std::size_t p : *positions) {
        to = std::copy(src.begin() + std::ptrdiff_t(from), src.begin() + std::ptrdiff_t(p), to);
        from = p + 1;
    }
    std::copy(src.begin() + std::ptrdiff_t(from), src.end(), to);
    return true;
}

void ExcludeDraws(std::span<const TComb> src, const core::TDrawsArray& draws, int first, int last, TCombsArray& out,
                  const Progress& progress)
{
    out.clear();
    // A combination goes when every number of some draw of the window is among its numbers.
    // Draws of five different numbers match only a combination of the same five numbers, so
    // they are looked up by their number set; any other draw is compared one by one.
    stats::KeySet regular;
    std::vector<const core::TDrawRec*> others;
    for (int i = std::max(first, 0); i <= last && i < int(draws.size()); ++i) {
        const core::TDrawRec& d = draws[std::size_t(i)];
        std::uint64_t mask = 0;
        if (NumberMask(d.Values, mask) && std::popcount(mask) == core::CombSize)
            regular.insert(mask);
        else
            others.push_back(&d);
    }
    const std::size_t step = std::max<std::size_t>(1, src.size() / 100);
    out.reserve(src.size());
    for (std::size_t i = 0; i < src.size(); ++i) {
        if (progress && i % step == 0)
            progress(100.0 * double(i) / double(src.size()));
        const TComb& c = src[i];
        std::uint64_t mask = 0;
        bool drawn = false;
        if (NumberMask(c.v, mask)) {
            drawn = regular.contains(mask);
        } else {
            for (int k = std::max(first, 0); k <= last && k < int(draws.size()) && !drawn; ++k)
                drawn = core::SameNumbersCount(draws[std::size_t(k)], c) == core::CombSize;
        }
        for (std::size_t k = 0; k < others.size() && !drawn; ++k)
            drawn = core::SameNumbersCount(*others[k], c) == core::CombSize;
        if (!drawn)
            out.push_back(c);
    }
}

namespace {

// Tests src against the selection and packs the combinations that stay to the front of out,
// returning how many stayed.
std::size_t FilterSpan(stats::TCustomStat& stat, const stats::TSelection& selected, bool exclude, bool sorted, int last,
                       std::span<const TComb> src, TComb* out)
{
    return stat.KeepCombs(src, selected, exclude, sorted, last, !exclude, out);
}

} // namespace

void FilterByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted, int last,
                    std::span<const TComb> src, TCombsArray& out, TCombsArray* scratch)
{
    const stats::TSelection selected(values);
    constexpr std::size_t kParallelFrom = 1 << 16;
    if (src.size() < kParallelFrom) {
        if (out.size() < src.size())
            out.resize(src.size());
        out.resize(FilterSpan(stat, selected, exclude, sorted, last, src, out.data()));
        return;
    }
    // The second half goes to a twin instance on the other core, which packs it into scratch
    // while this core packs the first half into out; the second part then follows the first.
    // Growing a list fills it with zeros first, so out only grows to the first half here, at
    // the same time as the other core works.
    TCombsArray ownScratch;
    TCombsArray& second = scratch ? *scratch : ownScratch;
    const std::size_t half = src.size() / 2;
    const std::span<const TComb> secondHalf = src.subspan(half);
    std::unique_ptr<stats::TCustomStat> twin = stat.Clone();
    std::size_t secondCount = 0;
    std::exception_ptr secondFailed;
    std::thread worker([&] {
        try {
            if (second.size() < secondHalf.size())
                second.resize(secondHalf.size());
            twin->LoadDraws(-1, last, sorted);
            secondCount = FilterSpan(*twin, selected, exclude, sorted, last, secondHalf, second.data());
        } catch (...) {
            secondFailed = std::current_exception();
        }
    });
    std::size_t firstCount = 0;
    try {
        if (out.size() < half)
            out.resize(half);
        firstCount = FilterSpan(stat, selected, exclude, sorted, last, src.first(half), out.data());
    } catch (...) {
        worker.join();
        throw;
    }
    worker.join();
    if (secondFailed)
        std::rethrow_exception(secondFailed);
    // One block copy: inserting element by element costs as much as a fifth of the pass.
    out.resize(firstCount + secondCount);
    if (secondCount > 0)
        std::memcpy(out.data() + firstCount, second.data(), secondCount * sizeof(TComb));
}

void DeleteSelected(std::span<const TComb> src, const std::vector<bool>& selected, TCombsArray& out)
{
    out.clear();
    out.reserve(src.size());
    for (std::size_t i = 0; i < src.size(); ++i)
        if (i >= selected.size() || !selected[i])
            out.push_back(src[i]);
}

QStringList FindInDraws(const core::TDrawsArray& draws, const TComb& comb, int limit)
{
    QStringList found;
    for (auto it = draws.rbegin(); it != draws.rend() && found.size() <= limit; ++it)
        if (core::SameNumbersCount(*it, comb) == core::CombSize)
            found << core::DrawInfoText(*it);
    return found;
}

} // namespace combos
