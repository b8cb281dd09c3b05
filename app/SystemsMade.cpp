// Systems made on this computer, and the check of every system file against what it claims.

#include "app/ProgressWindow.h"
#include "app/Services.h"
#include "app/SystemsController.h"
#include "stakes/SystemGuarantee.h"
#include "stakes/Systems.h"

#include <QFileInfo>

#include <cmath>

namespace app {

namespace {

QString sizeText(std::int64_t size)
{
    return size > 0 ? QString::number(size) : SystemsController::tr("нет данных");
}

} // namespace

void SystemsController::resetList()
{
    checkRows();
    emit listReset();
}

SystemCheck SystemsController::checkFile(const QString& path, int nums, int block)
{
    const QFileInfo info(path);
    CachedCheck& cached = m_checks[path];
    if (cached.Check.Checked && cached.Size == info.size() && cached.Modified == info.lastModified())
        return cached.Check;
    cached = CachedCheck{info.size(), info.lastModified(), {}};
    std::vector<stakes::SystemLine> lines;
    if (!stakes::ReadSystemFile(path, nums, lines, nullptr) || lines.empty())
        return cached.Check;
    SystemCheck& check = cached.Check;
    check.Checked = true;
    const int t = std::clamp(block, 0, stakes::SystemOlapMax);
    const stakes::SystemGuaranteeResult five = stakes::SystemGuarantee(lines, nums, t, 5);
    check.Guarantee = std::min(five.Guarantee, 5);
    check.Drawn = 5;
    check.Hole = five.Guarantee < t;
    if (check.Hole || t < 1)
        return check;
    // The block holds for draws of five; it may hold already when fewer are drawn.
    check.Guarantee = t;
    for (int m = t; m < 5; ++m) {
        if (stakes::SystemGuarantee(lines, nums, t, m).Guarantee >= t) {
            check.Drawn = m;
            break;
        }
    }
    return check;
}

void SystemsController::checkRows()
{
    for (SystemRow& row : m_rows) {
        row.Check = {};
        if (row.Local && row.Data.nums > 0)
            row.Check = checkFile(SystemFilePath(folder(), row.Data), row.Data.nums, row.Data.olap);
        // Compared with the systems of the guarantee the file holds, or of its block for draws of
        // five when it was not checked.
        stakes::WheelParams params{row.Data.nums, row.Data.olap, 5, 0};
        if (row.Check.Checked && !row.Check.Hole)
            params.Drawn = row.Check.Drawn;
        row.Sizes = stakes::WheelParamsError(params).isEmpty() ? stakes::KnownWheelSizes(params) : stakes::WheelSizes{};
    }
}

MadeSystem SystemsController::make(const stakes::WheelParams& params, double seconds, std::uint64_t seed)
{
    MadeSystem made;
    made.Params = params;
    made.Sizes = stakes::KnownWheelSizes(params);
    stakes::WheelOptions options;
    options.Seconds = seconds;
    options.Seed = seed;
    options.StopAt = int(std::max<std::int64_t>(1, made.Sizes.LowerBound));
    BusyScope busy(m_services, tr("Создание системы..."));
    ProgressWindow window(m_services.io(), tr("Создание системы для %1 чисел...").arg(params.Nums),
                          int(std::ceil(seconds * 10)), true);
    options.Progress = [&](const stakes::WheelProgress& progress) {
        window.setText(tr("Комбинаций: %1 (ищется %2)\nЛучшая известная: %3, нижняя граница: %4")
                           .arg(progress.Size > 0 ? QString::number(progress.Size) : QStringLiteral("-"))
                           .arg(progress.Searching)
                           .arg(sizeText(made.Sizes.BestKnown), sizeText(made.Sizes.LowerBound)));
        window.setPosition(int(progress.Seconds * 10));
        return !window.stopRequested();
    };
    made.Result = stakes::MakeWheel(params, options);
    return made;
}

bool SystemsController::storeMade(const MadeSystem& made, QString& error)
{
    if (made.Result.Lines.empty()) {
        error = tr("Система не найдена за отведенное время");
        return false;
    }
    stakes::tSystemData system;
    system.id = 0;
    system.nums = made.Params.Nums;
    system.olap = made.Params.Guarantee;
    system.csize = int(made.Result.Lines.size());
    system.created = QDateTime::currentDateTime();
    const QString lines = QString::fromLatin1(stakes::SystemFileText(made.Result.Lines));
    if (!storeSystem(system, lines, error))
        return false;
    // The list shows the new file as a row of its own.
    m_rows.erase(
        std::remove_if(m_rows.begin(), m_rows.end(), [&](const SystemRow& r) { return r.Data.id < 0 || r.FileOnly; }),
        m_rows.end());
    addFileRows();
    resetList();
    return true;
}

int SystemsController::create()
{
    stakes::WheelParams params{12, 3, 3, 0};
    int seconds = 10;
    if (!m_services.io().editWheel(params, seconds))
        return -1;
    const QString refused = stakes::WheelParamsError(params);
    if (!refused.isEmpty() || seconds <= 0) {
        m_services.showError(refused.isEmpty() ? tr("Время поиска должно быть больше нуля") : refused);
        return -1;
    }
    const MadeSystem made = make(params, seconds, 1);
    QString error;
    if (!storeMade(made, error)) {
        m_services.showError(tr("Ошибка создания системы!") + QStringLiteral("\n\n") + error);
        return -1;
    }
    m_services.showInformation(
        tr("Система для %1 чисел: %2 комбинаций, гарантия %3 из %4%5 (проверено).\n"
           "Лучшая известная: %6, нижняя граница: %7.\nВремя поиска: %8 с.%9")
            .arg(params.Nums)
            .arg(made.Result.Lines.size())
            .arg(made.Result.VerifiedGuarantee)
            .arg(params.Drawn)
            .arg(params.Bankers > 0 ? tr(", опорных чисел: %1").arg(params.Bankers) : QString())
            .arg(sizeText(made.Sizes.BestKnown), sizeText(made.Sizes.LowerBound))
            .arg(made.Result.Seconds, 0, 'f', 1)
            .arg(made.Result.ReachedBound ? QStringLiteral("\n") + tr("Меньше комбинаций быть не может.") : QString()));
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].FileOnly && m_rows[i].Data.nums == params.Nums)
            return int(i);
    }
    return -1;
}

} // namespace app
