#include "stakes/WheelMaker.h"

#include "stakes/SystemGuarantee.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <limits>
#include <mutex>
#include <thread>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes::WheelMaker", text);
}

using Mask = std::uint64_t;
using Clock = std::chrono::steady_clock;

// xoshiro256**: the same sequence for the same seed on every machine and library.
class Random
{
public:
    explicit Random(std::uint64_t seed)
    {
        for (std::uint64_t& s : m_s) {
            seed += 0x9e3779b97f4a7c15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
            s = z ^ (z >> 31);
        }
    }
    std::uint64_t next()
    {
        const std::uint64_t result = std::rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = std::rotl(m_s[3], 45);
        return result;
    }
    // 0..n-1, n > 0.
    std::uint32_t below(std::uint32_t n) { return std::uint32_t((next() >> 32) * n >> 32); }

private:
    std::uint64_t m_s[4] = {};
};

// Binomial coefficients C(n, k) for n <= 64, k <= 5, and the colex rank of a set of m positions.
struct Binomials
{
    std::uint32_t c[65][6] = {};
    Binomials()
    {
        for (int n = 0; n <= 64; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    std::uint32_t rank(Mask set) const
    {
        std::uint32_t r = 0;
        for (int j = 1; set; ++j, set &= set - 1)
            r += c[std::countr_zero(set)][j];
        return r;
    }
};
const Binomials kBinom;

// The sets, lines and counts one search works on. Positions are bits 0..N-1; bankers are the
// low b bits and stand in every line.
class Cover
{
public:
    explicit Cover(const WheelParams& p)
        : m_n(p.Nums), m_t(p.Guarantee), m_m(p.Drawn), m_bankers((Mask(1) << p.Bankers) - 1),
          m_all((Mask(1) << p.Nums) - 1), m_free(m_all & ~m_bankers), m_count(kBinom.c[p.Nums][p.Drawn]),
          m_cov(m_count, 0), m_where(m_count, 0), m_weight(m_count, 1)
    {
        m_uncovered.reserve(m_count);
        for (std::uint32_t r = 0; r < m_count; ++r) {
            m_where[r] = r;
            m_uncovered.push_back(r);
        }
    }

    int t() const { return m_t; }
    Mask bankers() const { return m_bankers; }
    Mask freePositions() const { return m_free; }
    const std::vector<Mask>& lines() const { return m_lines; }
    std::size_t uncoveredCount() const { return m_uncovered.size(); }
    std::uint32_t uncoveredAt(std::size_t i) const { return m_uncovered[i]; }

    // The set of m positions with this rank.
    Mask unrank(std::uint32_t r) const
    {
        Mask set = 0;
        int top = m_n;
        for (int j = m_m; j >= 1; --j) {
            int e = top - 1;
            while (kBinom.c[e][j] > r)
                --e;
            r -= kBinom.c[e][j];
            set |= Mask(1) << e;
            top = e;
        }
        return set;
    }

    // Calls f(rank) for every m-set that holds at least t positions of the line.
    template <class F> void forEachCovered(Mask line, F&& f) const
    {
        int in[5];
        int k = 0;
        for (Mask l = line; l; l &= l - 1)
            in[k++] = std::countr_zero(l);
        const Mask outside = m_all & ~line;
        for (int i = m_t; i <= std::min(5, m_m); ++i) {
            const int rest = m_m - i;
            if (rest > m_n - 5)
                continue;
            for (unsigned pick = 0; pick < 32; ++pick) {
                if (std::popcount(pick) != i)
                    continue;
                Mask part = 0;
                for (int j = 0; j < 5; ++j)
                    if (pick >> j & 1u)
                        part |= Mask(1) << in[j];
                forEachSubset(outside, rest, part, f);
            }
        }
    }

    // Adds the line, or takes it away, keeping the counts and the list of uncovered sets.
    void add(Mask line)
    {
        m_lines.push_back(line);
        cover(line);
    }
    void cover(Mask line)
    {
        forEachCovered(line, [this](std::uint32_t r) {
            if (m_cov[r]++ == 0)
                takeOut(r);
        });
    }
    void uncover(Mask line)
    {
        forEachCovered(line, [this](std::uint32_t r) {
            if (--m_cov[r] == 0)
                putIn(r);
        });
    }
    void replace(std::size_t index, Mask line)
    {
        uncover(m_lines[index]);
        m_lines[index] = line;
        cover(line);
    }
    void removeAt(std::size_t index)
    {
        uncover(m_lines[index]);
        m_lines[index] = m_lines.back();
        m_lines.pop_back();
    }
    // The same weighted: every set carries a weight that grows while it stays uncovered.
    std::uint64_t aloneWeight(Mask line) const
    {
        std::uint64_t sum = 0;
        forEachCovered(line, [&](std::uint32_t r) { sum += m_cov[r] == 1 ? m_weight[r] : 0; });
        return sum;
    }
    std::uint64_t gainWeight(Mask line) const
    {
        std::uint64_t sum = 0;
        forEachCovered(line, [&](std::uint32_t r) { sum += m_cov[r] == 0 ? m_weight[r] : 0; });
        return sum;
    }
    void weighUncovered()
    {
        for (std::uint32_t r : m_uncovered)
            ++m_weight[r];
    }
    // The m-sets the line alone covers.
    int alone(Mask line) const
    {
        int count = 0;
        forEachCovered(line, [&](std::uint32_t r) { count += m_cov[r] == 1 ? 1 : 0; });
        return count;
    }
    // The uncovered m-sets the line would cover.
    int gain(Mask line) const
    {
        int count = 0;
        forEachCovered(line, [&](std::uint32_t r) { count += m_cov[r] == 0 ? 1 : 0; });
        return count;
    }

private:
    template <class F> static void forEachSubset(Mask from, int r, Mask base, F& f)
    {
        if (r == 0) {
            f(kBinom.rank(base));
            return;
        }
        for (Mask a = from; a; a &= a - 1) {
            const Mask ba = base | (a & -a);
            if (r == 1) {
                f(kBinom.rank(ba));
                continue;
            }
            forEachSubset(a & (a - 1), r - 1, ba, f);
        }
    }
    void takeOut(std::uint32_t r)
    {
        const std::uint32_t at = m_where[r];
        const std::uint32_t last = m_uncovered.back();
        m_uncovered[at] = last;
        m_where[last] = at;
        m_uncovered.pop_back();
    }
    void putIn(std::uint32_t r)
    {
        m_where[r] = std::uint32_t(m_uncovered.size());
        m_uncovered.push_back(r);
    }

    int m_n;
    int m_t;
    int m_m;
    Mask m_bankers;
    Mask m_all;
    Mask m_free;
    std::size_t m_count;
    std::vector<std::uint32_t> m_cov;
    std::vector<std::uint32_t> m_where; // index in m_uncovered of an uncovered set
    std::vector<std::uint32_t> m_uncovered;
    std::vector<std::uint32_t> m_weight;
    std::vector<Mask> m_lines;
};

// A random pick of `count` positions of `from`.
Mask pickPositions(Mask from, int count, Random& rng)
{
    Mask picked = 0;
    for (int i = 0; i < count && from; ++i) {
        int skip = int(rng.below(std::uint32_t(std::popcount(from))));
        Mask a = from;
        while (skip-- > 0)
            a &= a - 1;
        const Mask bit = a & -a;
        picked |= bit;
        from &= ~bit;
    }
    return picked;
}

// What the searches share: the best cover, and when one has reached the bound, at which move.
struct Shared
{
    std::mutex mutex;
    std::vector<Mask> best;
    int bestWorker = -1;
    std::atomic<int> bestSize{0};
    std::atomic<int> searching{0};
    std::atomic<std::uint64_t> boundMoves{std::numeric_limits<std::uint64_t>::max()};
    int boundWorker = -1;
    std::vector<Mask> atBound;
    std::atomic<bool> stop{false};

    void offer(const std::vector<Mask>& lines, int worker)
    {
        const std::lock_guard lock(mutex);
        const int size = int(lines.size());
        if (bestWorker < 0 || size < int(best.size()) || (size == int(best.size()) && worker < bestWorker)) {
            best = lines;
            bestWorker = worker;
            bestSize = size;
        }
    }
    // The first cover at the bound by move count (then by worker) is the result, so the same
    // seeds give the same lines however the threads were scheduled.
    void reachBound(const std::vector<Mask>& lines, int worker, std::uint64_t moves)
    {
        const std::lock_guard lock(mutex);
        if (moves < boundMoves || (moves == boundMoves && worker < boundWorker)) {
            boundMoves = moves;
            boundWorker = worker;
            atBound = lines;
        }
    }
};

class Search
{
public:
    Search(const WheelParams& p, int stopAt, std::uint64_t seed, int worker, Shared& shared)
        : m_cover(p), m_stopAt(stopAt), m_rng(seed), m_worker(worker), m_shared(shared)
    {
    }

    void run()
    {
        greedy();
        found();
        while (int(m_cover.lines().size()) > m_stopAt && !m_done && !stopped()) {
            shrink();
            while (m_cover.uncoveredCount() > 0) {
                // A move may weigh thousands of sets: the stop is looked at every time.
                ++m_moves;
                if (stopped())
                    return;
                step();
            }
            found();
        }
    }

private:
    bool stopped()
    {
        if (m_shared.stop || m_moves > m_shared.boundMoves)
            m_done = true;
        return m_done;
    }

    void found()
    {
        m_shared.offer(m_cover.lines(), m_worker);
        if (int(m_cover.lines().size()) <= m_stopAt) {
            m_shared.reachBound(m_cover.lines(), m_worker, m_moves);
            m_done = true;
        }
    }

    // Covers every m-set: an uncovered set at random, and the best of a few lines through it. It
    // always ends, time or not, so that a stopped search still has a cover to give.
    void greedy()
    {
        const Mask bankers = m_cover.bankers();
        while (m_cover.uncoveredCount() > 0) {
            ++m_moves;
            const Mask set = m_cover.unrank(m_cover.uncoveredAt(m_rng.below(std::uint32_t(m_cover.uncoveredCount()))));
            const int need = std::max(0, m_cover.t() - std::popcount(set & bankers));
            Mask bestLine = 0;
            int bestGain = -1;
            for (int tries = 0; tries < 24; ++tries) {
                const Mask from = set & ~bankers;
                Mask line = bankers | pickPositions(from, std::min(need, std::popcount(from)), m_rng);
                line |= pickPositions(m_cover.freePositions() & ~line, 5 - std::popcount(line), m_rng);
                const int gain = m_cover.gain(line);
                if (gain > bestGain) {
                    bestGain = gain;
                    bestLine = line;
                }
            }
            m_cover.add(bestLine);
        }
        m_shared.searching = int(m_cover.lines().size());
    }

    // Takes away the line that leaves the fewest sets uncovered.
    void shrink()
    {
        std::size_t pick = 0;
        int fewest = std::numeric_limits<int>::max();
        const std::vector<Mask>& lines = m_cover.lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int alone = m_cover.alone(lines[i]);
            if (alone < fewest || (alone == fewest && m_rng.below(2) == 0)) {
                fewest = alone;
                pick = i;
            }
        }
        m_cover.removeAt(pick);
        m_lastLine = lines.size(); // the indices moved
        m_shared.searching = int(m_cover.lines().size());
    }

    // The swap with the best weighted score among those that bring a closest line nearer to an
    // uncovered set; the line changed last stays as it is; then the uncovered sets weigh more.
    void step()
    {
        const Mask set = m_cover.unrank(m_cover.uncoveredAt(m_rng.below(std::uint32_t(m_cover.uncoveredCount()))));
        const std::vector<Mask>& lines = m_cover.lines();
        int closest = -1;
        m_near.clear();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == m_lastLine && lines.size() > 1)
                continue;
            const int common = std::popcount(lines[i] & set);
            if (common > closest) {
                closest = common;
                m_near.clear();
            }
            if (common == closest)
                m_near.push_back(std::uint32_t(i));
        }
        std::int64_t bestScore = std::numeric_limits<std::int64_t>::min();
        std::size_t bestLine = 0;
        Mask bestMask = 0;
        std::uint32_t ties = 0;
        for (std::uint32_t i : m_near) {
            const Mask old = lines[i];
            const std::int64_t lose = std::int64_t(m_cover.aloneWeight(old));
            m_cover.uncover(old);
            for (Mask outs = old & ~set & m_cover.freePositions(); outs; outs &= outs - 1) {
                for (Mask ins = set & ~old; ins; ins &= ins - 1) {
                    const Mask line = (old & ~(outs & -outs)) | (ins & -ins);
                    const std::int64_t score = std::int64_t(m_cover.gainWeight(line)) - lose;
                    if (score > bestScore) {
                        bestScore = score;
                        bestLine = i;
                        bestMask = line;
                        ties = 1;
                    } else if (score == bestScore && m_rng.below(++ties) == 0) {
                        bestLine = i;
                        bestMask = line;
                    }
                }
            }
            m_cover.cover(old);
        }
        if (!bestMask)
            return;
        m_cover.replace(bestLine, bestMask);
        m_lastLine = bestLine;
        m_cover.weighUncovered();
    }

    Cover m_cover;
    int m_stopAt;
    Random m_rng;
    int m_worker;
    Shared& m_shared;
    std::vector<std::uint32_t> m_near;
    std::size_t m_lastLine = ~std::size_t(0);
    std::uint64_t m_moves = 0;
    bool m_done = false;
};

std::vector<SystemLine> toLines(const std::vector<Mask>& masks)
{
    std::vector<SystemLine> lines;
    lines.reserve(masks.size());
    for (Mask m : masks) {
        SystemLine line{};
        int k = 0;
        for (; m && k < 5; m &= m - 1)
            line[std::size_t(k++)] = std::uint8_t(std::countr_zero(m) + 1);
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

QString WheelParamsError(const WheelParams& p)
{
    if (p.Nums < SystemNumsMin || p.Nums > SystemNumsMax)
        return tr("Количество чисел должно быть от %1 до %2: %3").arg(SystemNumsMin).arg(SystemNumsMax).arg(p.Nums);
    if (p.Guarantee < 2 || p.Guarantee > SystemOlapMax)
        return tr("Гарантия должна быть от 2 до %1: %2").arg(SystemOlapMax).arg(p.Guarantee);
    if (p.Drawn < p.Guarantee || p.Drawn > 5)
        return tr("Угаданных чисел должно быть от %1 до 5: %2").arg(p.Guarantee).arg(p.Drawn);
    const int bankersMax = std::min(p.Guarantee - 1, 5 - p.Guarantee);
    if (p.Bankers < 0 || p.Bankers > bankersMax)
        return tr("Опорных чисел при гарантии %1 может быть от 0 до %2: %3")
            .arg(p.Guarantee)
            .arg(bankersMax)
            .arg(p.Bankers);
    return {};
}

WheelResult MakeWheel(const WheelParams& params, const WheelOptions& options)
{
    WheelResult result;
    if (!WheelParamsError(params).isEmpty() || !(options.Seconds > 0))
        return result;
    const Clock::time_point start = Clock::now();
    const auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };

    Shared shared;
    const int threads = std::clamp(options.Threads, 1, 8);
    std::vector<std::thread> workers;
    for (int w = 0; w < threads; ++w) {
        workers.emplace_back(
            [&, w] { Search(params, std::max(1, options.StopAt), options.Seed + std::uint64_t(w), w, shared).run(); });
    }
    // The workers end at the bound by themselves; the time and the person end them here.
    for (;;) {
        bool allDone = true;
        {
            const std::lock_guard lock(shared.mutex);
            allDone = shared.boundWorker >= 0;
        }
        if (allDone)
            break;
        if (elapsed() >= options.Seconds)
            break;
        if (options.Progress &&
            !options.Progress(WheelProgress{shared.bestSize.load(), shared.searching.load(), elapsed()})) {
            result.Stopped = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(options.Progress ? 100 : 10));
    }
    // At the bound the others go on to the move count of the first cover there, so the result
    // does not depend on which thread got there first in time.
    {
        const std::lock_guard lock(shared.mutex);
        if (shared.boundWorker < 0)
            shared.stop = true;
    }
    for (std::thread& w : workers)
        w.join();

    std::vector<Mask> masks;
    {
        const std::lock_guard lock(shared.mutex);
        if (shared.boundWorker >= 0) {
            masks = shared.atBound;
            result.ReachedBound = true;
        } else {
            masks = shared.best;
        }
    }
    std::vector<SystemLine> lines = toLines(masks);
    if (!lines.empty()) {
        const SystemGuaranteeResult check = SystemGuarantee(lines, params.Nums, params.Guarantee, params.Drawn);
        result.VerifiedGuarantee = check.Guarantee;
        bool bankers = true;
        for (const SystemLine& line : lines)
            for (int b = 1; b <= params.Bankers; ++b)
                bankers = bankers && std::find(line.begin(), line.end(), std::uint8_t(b)) != line.end();
        if (check.Guarantee >= params.Guarantee && bankers)
            result.Lines = std::move(lines);
        else
            result.ReachedBound = false;
    }
    result.Seconds = elapsed();
    return result;
}

std::int64_t SchoenheimBound(int v, int k, int t)
{
    if (t < 1 || k < t || v < k)
        return 0;
    // Innermost first: ceil((v-t+1)/(k-t+1)), then outward.
    std::int64_t bound = 1;
    for (int i = t - 1; i >= 0; --i)
        bound = (std::int64_t(v - i) * bound + (k - i) - 1) / (k - i);
    return bound;
}

} // namespace stakes
