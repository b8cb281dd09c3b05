#include "stakes/StakesCheck.h"

#include "core/Cp1251.h"
#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

// Green, blue and red of the profit graph, as 0x00BBGGRR.
constexpr std::uint32_t Green = 0x008000;
constexpr std::uint32_t Blue = 0xFF0000;
constexpr std::uint32_t Red = 0x0000FF;

bool isCandidate(const TStakeRec& rec)
{
    return rec.Checked == 0 && rec.DrawNum > 0 && rec.Numbers.Count >= core::CombSize;
}

bool isCheckedStake(const TStakeRec& rec)
{
    return rec.DrawNum > 0 && rec.Checked == 1 && rec.Matches.Count >= 0;
}

} // namespace

QString DamagedStakeText(qint64 index)
{
    return tr("Запись %1 в файле ставок повреждена: ее значения выходят за допустимые пределы.").arg(index + 1);
}

bool CheckStake(TStakeRec& rec, const core::TDrawRec& draw, const core::TConfigData& config, bool* damaged)
{
    if (damaged)
        *damaged = false;
    if (!isCandidate(rec))
        return false;
    // The matches are at most the five drawn numbers; the cost and the prize decide.
    std::uint64_t played[4] = {};
    for (int i = 0; i < std::min(rec.Numbers.Count, 8); ++i)
        played[rec.Numbers.Values[i] >> 6] |= std::uint64_t(1) << (rec.Numbers.Values[i] & 63);
    core::TValueSet matches;
    for (std::uint8_t v : draw.Values)
        if ((played[v >> 6] >> (v & 63)) & 1)
            matches.Values[matches.Count++] = v;
    const std::optional<std::int64_t> profit = CheckedStakeProfit(config, rec.Numbers.Count, matches.Count);
    if (!profit) {
        if (damaged)
            *damaged = true;
        return false;
    }
    rec.Checked = 1;
    std::copy(std::begin(draw.Values), std::end(draw.Values), rec.DrawValues);
    // The drawn numbers that were played, ascending; the key number is never compared.
    core::SortValueSet(matches);
    rec.Matches = matches;
    rec.Profit = *profit;
    return true;
}

bool StakesCheck(StakesFile& file, const core::TDrawsArray& draws, const core::TConfigData& config,
                 const CheckHooks& hooks, int& checked, QString* error)
{
    checked = 0;
    if (!file.hasData())
        return true;
    const qint64 total = file.count();
    qint64 first = -1;
    qint64 step = 1;
    qint64 nextProgress = 0;
    // Stakes of one batch share their draw; the last lookup is kept.
    std::int32_t lastNum = 0;
    int lastIndex = -1;
    qint64 firstDamaged = -1;
    const auto change = [&](qint64 start, std::span<TStakeRec> records, std::vector<std::uint8_t>& altered) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            TStakeRec& rec = records[i];
            const qint64 index = start + qint64(i);
            if (!isCandidate(rec)) {
                if (first >= 0 && index == nextProgress && hooks.progress) {
                    hooks.progress(100.0 * double(index - first) / double(total - first));
                    nextProgress += step;
                }
                continue;
            }
            if (first < 0) {
                first = index;
                step = std::max<qint64>(1, (total - first) / 100);
                nextProgress = first;
            }
            if (index == nextProgress && hooks.progress) {
                hooks.progress(100.0 * double(index - first) / double(total - first));
                nextProgress += step;
            }
            if (rec.DrawNum != lastNum) {
                lastNum = rec.DrawNum;
                lastIndex = core::FindDrawIndex(draws, rec.DrawNum);
            }
            bool damaged = false;
            if (lastIndex >= 0 && CheckStake(rec, draws[std::size_t(lastIndex)], config, &damaged))
                altered[i] = 1;
            if (damaged && firstDamaged < 0)
                firstDamaged = index;
        }
    };
    const bool done = file.update(
        change,
        [&](const TStakeRec& rec) {
            ++checked;
            if (hooks.checked)
                hooks.checked(rec);
        },
        error, hooks.counter.path.isEmpty() ? nullptr : &hooks.counter);
    // A damaged stake stays unchecked and the others are checked all the same; the damage is
    // the check's failure, so it is reported.
    if (done && firstDamaged >= 0) {
        if (error)
            *error = DamagedStakeText(firstDamaged);
        return false;
    }
    return done;
}

QString StakeLogLine(const TStakeRec& rec, const QDateTime& now, const QString& decimalPoint)
{
    core::TValueSet drawValues;
    drawValues.Count = core::CombSize;
    std::copy(std::begin(rec.DrawValues), std::end(rec.DrawValues), drawValues.Values);
    return now.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss")) + QStringLiteral(": ") +
           tr("Тираж № %1. Ставка: \"%2\" [%3] {%4}. Результаты тиража: [%5]. Совпадений: %6. Профит: %7.")
               .arg(QString::number(rec.DrawNum), StakeComment(rec),
                    core::ValueSetText(rec.Numbers, QStringLiteral(";")), QString::number(rec.SampleSize),
                    core::ValueSetText(drawValues, QStringLiteral(";")), QString::number(rec.Matches.Count),
                    core::MoneyText(rec.Profit, decimalPoint));
}

bool StakeLogAppend(const QString& path, const QString& line, QString* deleteError, QString* error)
{
    QFile file(path);
    if (QFileInfo(path).size() > StakeLogLimit && !file.remove() && deleteError)
        *deleteError = file.errorString();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = cp1251::encode(line) + "\r\n";
    const qint64 before = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = file.errorString();
        // A short line is cut off again, so the next one starts on a line of its own.
        file.resize(before);
        return false;
    }
    return true;
}

bool StakesSeekRecentDraws(StakesFile& file, int limit, RecentDraws& result, QString* error)
{
    result = {};
    if (!file.hasData())
        return true;
    std::int32_t previous = 0;
    // Backwards in blocks: each block is read forwards and walked from its end.
    constexpr qint64 Block = 4096;
    std::vector<TStakeRec> block;
    for (qint64 end = file.count(); end > 0; end -= Block) {
        const qint64 begin = std::max<qint64>(0, end - Block);
        block.clear();
        if (!file.scan(
                begin,
                [&](qint64 i, const TStakeRec& rec) {
                    if (i >= end)
                        return false;
                    block.push_back(rec);
                    return true;
                },
                error))
            return false;
        for (qint64 i = qint64(block.size()) - 1; i >= 0; --i) {
            const TStakeRec& rec = block[std::size_t(i)];
            if (!isCheckedStake(rec))
                continue;
            if (rec.DrawNum != previous) {
                if (result.Found == limit) {
                    result.Start = begin + i + 1;
                    return true;
                }
                ++result.Found;
            }
            previous = rec.DrawNum;
        }
    }
    result.Start = 0;
    return true;
}

QString GraphTooFewDrawsText()
{
    return tr("Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!");
}

std::optional<core::GraphData> ProfitByDrawGraph(StakesFile& file, const QString& title, QString* error)
{
    core::TProfitDrawArray sums;
    // Draw numbers of one stretch repeat; the element of the last one is kept at hand.
    std::size_t last = 0;
    qint64 damaged = -1;
    const bool read = file.scan(
        0,
        [&](qint64 index, const TStakeRec& rec) {
            if (rec.DrawNum < 0)
                return true;
            if (last >= sums.size() || sums[last].Draw != rec.DrawNum) {
                last = std::size_t(std::find_if(sums.begin(), sums.end(),
                                                [&](const core::TProfitDrawRec& e) { return e.Draw == rec.DrawNum; }) -
                                   sums.begin());
                if (last == sums.size())
                    sums.push_back({rec.DrawNum, 0});
            }
            if (__builtin_add_overflow(sums[last].Profit, rec.Profit, &sums[last].Profit)) {
                damaged = index;
                return false;
            }
            return true;
        },
        error);
    if (!read)
        return std::nullopt;
    if (damaged >= 0) {
        if (error)
            *error = DamagedStakeText(damaged);
        return std::nullopt;
    }
    if (sums.empty()) {
        if (error)
            *error = GraphTooFewDrawsText();
        return std::nullopt;
    }
    std::int64_t total = 0;
    core::TProfitDrawArray cumulative;
    for (const core::TProfitDrawRec& e : sums) {
        if (__builtin_add_overflow(total, e.Profit, &total)) {
            if (error)
                *error = tr("Сумма профита ставок по тиражам выходит за допустимые пределы: файл ставок поврежден.");
            return std::nullopt;
        }
        cumulative.push_back({e.Draw, total});
    }
    core::GraphData graph(title);
    const double mean = double(total) / double(sums.size()) / 10000.0;
    for (std::size_t i = 0; i < sums.size(); ++i) {
        const double x = sums[i].Draw;
        graph.AddPoint(x, tr("Суммарный профит ставок по тиражу"), double(sums[i].Profit) / 10000.0, true, true, Green);
        graph.AddPoint(x, tr("Среднее значение"), mean, false, false, Blue);
        graph.AddPoint(x, tr("Накопленное значение"), double(cumulative[i].Profit) / 10000.0, true, true, Red);
    }
    return graph;
}

std::optional<core::GraphData> CommentStakesGraph(StakesFile& file, const QStringList& captions,
                                                  StakeGraphValue value, const QString& title, QString* error)
{
    if (captions.isEmpty()) {
        if (error)
            *error = GraphTooFewDrawsText();
        return std::nullopt;
    }
    RecentDraws recent;
    if (!StakesSeekRecentDraws(file, 100, recent, error))
        return std::nullopt;
    if (recent.Found < 2) {
        if (error)
            *error = GraphTooFewDrawsText();
        return std::nullopt;
    }
    QStringList folded;
    for (const QString& c : captions)
        folded << c.toCaseFolded();
    core::GraphData graph(title);
    const bool read = file.scan(
        recent.Start,
        [&](qint64, const TStakeRec& rec) {
            if (!isCheckedStake(rec))
                return true;
            const QString comment = StakeComment(rec);
            if (!folded.contains(comment.toCaseFolded()))
                return true;
            const double y = value == StakeGraphValue::Matches ? double(rec.Matches.Count) : double(rec.Profit) / 10000.0;
            graph.AddPoint(rec.DrawNum, comment, y, true, true, 0);
            return true;
        },
        error);
    if (!read)
        return std::nullopt;
    return graph;
}

} // namespace stakes
