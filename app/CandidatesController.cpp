// The candidate list: generation, the one-step undo, the narrowing passes, the
// filter history, the combination files and clipboard, and the cache of script runs.

#include "app/CandidatesController.h"

#include "combos/CombFiles.h"
#include "core/GameMath.h"
#include "core/SafeWrite.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <new>
#include <span>

namespace app {

namespace {

QString percentText(double percent)
{
    return QString::number(percent, 'f', 0);
}

// Passes over the list that the logic makes in one call (texts of millions of lines) are made in
// slices of this many combinations, with the completed share in the status text between them,
// so the window keeps painting.
constexpr std::size_t kSliceCombs = 65536;
// A pasted text is read in pieces of about this many characters, each ending at a line break.
constexpr qsizetype kPasteSlice = 1 << 20;

double share(std::size_t done, std::size_t total)
{
    return total > 0 ? 100.0 * double(done) / double(total) : 100.0;
}

// Puts the status text back as it was when the scope is left, however it is left.
class StatusKept
{
public:
    explicit StatusKept(Services& services) : m_services(services), m_text(services.statusText()) {}
    ~StatusKept() { m_services.showStatus(m_text); }
    StatusKept(const StatusKept&) = delete;
    StatusKept& operator=(const StatusKept&) = delete;

private:
    Services& m_services;
    QString m_text;
};

const QString& combsFileFilter()
{
    static const QString filter = QCoreApplication::translate("app::CandidatesController", "Файлы комбинаций (*.lcv)");
    return filter;
}

} // namespace

CandidatesController::CandidatesController(Services& services, const ArchiveController& archive,
                                           StatisticsController& statistics)
    : m_services(services), m_archive(archive), m_statistics(statistics)
{
}

void CandidatesController::setColorCombs(bool on)
{
    if (m_services.windowState().ColorCombs == on)
        return;
    m_services.windowState().ColorCombs = on;
    m_services.storeStateBool(QStringLiteral("ColorCombs"), on);
    emit combsLookChanged();
}

void CandidatesController::setDrawsExclude(int count)
{
    m_services.windowState().DrawsExclude = std::max(0, count);
}

void CandidatesController::reserveFullSet()
{
    m_combs.reserve(std::size_t(core::TotalCombs()));
    m_undo.reserve(std::size_t(core::TotalCombs()));
}

void CandidatesController::release()
{
    m_bufferKey = {-1, -1};
    core::TCombsArray().swap(m_combs);
    core::TCombsArray().swap(m_undo);
    core::TCombsArray().swap(m_filterScratch);
}

bool CandidatesController::generate(const core::TGenSettings& settings, bool withStatus)
{
    if (withStatus)
        m_services.showStatus(tr("Генерация возможных комбинаций..."));
    bool ok = true;
    m_combs.clear();
    try {
        if (settings.Mode == 4) {
            QString error;
            core::TCombsArray loaded;
            const bool read = combos::LoadCombsFile(settings.Param, loaded, &error);
            m_combs = std::move(loaded);
            if (!read)
                throw core::EConvertError(error);
        } else {
            combos::GenerateCombs(settings.Mode, settings.Param, m_combs);
        }
    } catch (const core::EConvertError& e) {
        m_services.showError(tr("Ошибка генерации файла комбинаций!\n\n%1").arg(e.message()));
        ok = false;
    } catch (const std::bad_alloc&) {
        m_services.showError(tr("Ошибка генерации файла комбинаций!\n\n%1").arg(tr("Недостаточно памяти")));
        ok = false;
    }
    if (withStatus) {
        historyClear();
        m_undo.clear();
        refresh();
        m_services.showStatus(QString());
    }
    return ok;
}

void CandidatesController::saveUndo(bool withStatus)
{
    if (withStatus)
        m_services.showStatus(tr("Создание файла отката..."));
    try {
        m_undo.reserve(m_combs.capacity());
        m_undo.assign(m_combs.begin(), m_combs.end());
    } catch (const std::bad_alloc&) {
        core::TCombsArray().swap(m_undo);
        if (withStatus)
            m_services.showStatus(QString());
        throw;
    }
    if (withStatus)
        m_services.showStatus(QString());
}

void CandidatesController::restoreUndo(bool withStatus)
{
    if (withStatus)
        m_services.showStatus(tr("Отмена изменений..."));
    // The undo copy becomes the list; the list's storage is kept for the next undo copy.
    m_combs.swap(m_undo);
    m_undo.clear();
    refresh();
    if (withStatus)
        m_services.showStatus(QString());
}

void CandidatesController::refresh()
{
    emit combsChanged();
    m_services.panelsChanged();
}

bool CandidatesController::contains(const core::TComb& comb) const
{
    return std::find(m_combs.begin(), m_combs.end(), comb) != m_combs.end();
}

void CandidatesController::excludeDraws(int n, bool ascendingSource)
{
    const QString status = tr("Удаление из списка комбинаций %1 последних тиражей...").arg(n);
    m_services.showStatus(status);
    const int last = int(m_archive.draws().size()) - 1 - m_archive.offset();
    const int first = n > 0 ? std::max(0, last - n + 1) : last + 1;
    if (!ascendingSource || !combos::ExcludeDrawsFromSorted(m_undo, m_archive.draws(), first, last, m_combs))
        combos::ExcludeDraws(m_undo, m_archive.draws(), first, last, m_combs, [&](double percent) {
            m_services.showStatus(tr("Удаление из списка комбинаций %1 последних тиражей ( завершено %2 % )...")
                                      .arg(n)
                                      .arg(percentText(percent)));
        });
    m_history.push_back(combos::ExcludedDrawsHistoryRow(n, m_combs.size()));
    emit filterHistoryChanged();
    refresh();
    m_services.showStatus(QString());
}

void CandidatesController::deleteSelected(const std::vector<bool>& selected)
{
    m_services.showStatus(tr("Удаление выделенных комбинаций..."));
    const auto count = std::count(selected.begin(), selected.end(), true);
    combos::DeleteSelected(m_undo, selected, m_combs);
    historyAdd(true, tr("Выделенные комбинации"), QString::number(count));
    refresh();
    m_services.showStatus(QString());
}

void CandidatesController::filterByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values,
                                          const QString& valuesText, const QString& name, bool exclude)
{
    m_services.showStatus(tr("Фильтрация комбинаций..."));
    if (values.empty()) {
        m_services.showStatus(QString());
        return;
    }
    if (m_undo.empty()) {
        m_combs.clear();
    } else {
        const int last = std::max(0, int(m_archive.draws().size()) - 1 - m_archive.offset());
        const bool sorted = m_services.windowState().SortedDraws;
        stat.LoadDraws(-1, last, sorted);
        combos::FilterByValues(stat, values, exclude, sorted, last, m_undo, m_combs, &m_filterScratch);
        historyAdd(exclude, name, valuesText);
    }
    refresh();
    m_services.showStatus(QString());
}

void CandidatesController::narrowByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values,
                                          const QString& valuesText, const QString& name, bool exclude)
{
    if (values.empty()) {
        saveUndo(false);
        filterByValues(stat, values, valuesText, name, exclude);
        return;
    }
    m_undo.swap(m_combs);
    try {
        filterByValues(stat, values, valuesText, name, exclude);
    } catch (...) {
        // Out of memory or no thread to be had: the list is what it was, without an undo copy,
        // as when saving the undo copy fails.
        m_combs.swap(m_undo);
        m_undo.clear();
        refresh();
        m_services.showStatus(QString());
        throw;
    }
}

void CandidatesController::filterByNumbers(const std::vector<int>& numbers, const QStringList& texts,
                                           const QString& name, bool exclude)
{
    if (numbers.empty())
        throw core::EConvertError(tr("В выделенном диапазоне нет значений для фильтра!"));
    core::TStatDrawArray values;
    for (int n : numbers) {
        const core::TStatKey key = stats::KeyW(std::uint16_t(n));
        if (std::none_of(values.begin(), values.end(), [&](const core::TStatDrawRec& r) { return r.Key == key; })) {
            core::TStatDrawRec rec;
            rec.Key = key;
            values.push_back(rec);
        }
    }
    const stats::StatClass* cls = stats::FindStatClass(QStringLiteral("TstValues"));
    const auto stat = cls->Create(*cls, m_statistics.list().env(), 0);
    filterByValues(*stat, values, texts.join(QStringLiteral("; ")), name, exclude);
}

void CandidatesController::historyAdd(bool removed, const QString& name, const QString& values)
{
    combos::FilterHistoryRow row;
    row.Name = name;
    row.Values = values;
    row.Count = std::int64_t(m_combs.size());
    row.Icon = removed ? combos::FilterHistoryRow::Kind::Removed : combos::FilterHistoryRow::Kind::Kept;
    m_history.push_back(row);
    emit filterHistoryChanged();
}

void CandidatesController::historyAddUndo()
{
    m_history.push_back(combos::UndoHistoryRow(std::int64_t(m_combs.size())));
    emit filterHistoryChanged();
}

void CandidatesController::historyClear()
{
    m_history.clear();
    emit filterHistoryChanged();
}

void CandidatesController::historyDropLast()
{
    if (!m_history.empty()) {
        m_history.pop_back();
        emit filterHistoryChanged();
    }
}

QString CandidatesController::bufferFile() const
{
    return m_services.folder().derived(QStringLiteral(".~buff"));
}

bool CandidatesController::bufferSave(int offset, int n)
{
    if (m_bufferKey == std::make_pair(offset, n))
        return true;
    m_services.showStatus(tr("Создание буфера комбинаций..."));
    m_bufferKey = {offset, n};
    QString error;
    const bool ok = combos::SaveCombsBuffer(bufferFile(), m_combs, &error);
    if (!ok) {
        m_bufferKey = {-1, -1};
        m_services.showError(tr("Ошибка создания буфера комбинаций!\n\n%1").arg(error));
    }
    m_services.showStatus(QString());
    return ok;
}

bool CandidatesController::bufferLoad(int offset, int n)
{
    if (m_bufferKey != std::make_pair(offset, n) || !QFileInfo::exists(bufferFile()))
        return false;
    m_services.showStatus(tr("Загрузка буфера комбинаций..."));
    QString error;
    core::TCombsArray loaded;
    const bool ok = combos::LoadCombsBuffer(bufferFile(), loaded, &error);
    if (ok) {
        m_combs = std::move(loaded);
        refresh();
    } else {
        m_services.showError(tr("Ошибка загрузки буфера комбинаций!\n\n%1").arg(error));
    }
    m_services.showStatus(QString());
    return ok;
}

void CandidatesController::bufferReset()
{
    m_bufferKey = {-1, -1};
    QFile::remove(bufferFile());
}

// ---- user commands

bool CandidatesController::regenerate()
{
    core::TGenSettings settings = m_genSettings;
    bool save = false;
    if (!m_services.io().editGenSettings(settings, save))
        return false;
    if (save) {
        m_genSettings = settings;
        QString error;
        if (!core::GenSettingsSave(m_services.folder().configFile(), m_genSettings, &error))
            m_services.showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
    }
    BusyScope busy(m_services, QString());
    saveUndo(true);
    return generate(settings, true);
}

bool CandidatesController::undo()
{
    if (m_undo.empty())
        return false;
    BusyScope busy(m_services, QString());
    restoreUndo(true);
    historyDropLast();
    return true;
}

bool CandidatesController::deleteDrawn(int n)
{
    if (m_combs.empty() || m_archive.draws().empty() || n <= 0)
        return false;
    BusyScope busy(m_services, QString());
    saveUndo(true);
    excludeDraws(n);
    return true;
}

bool CandidatesController::removeSelected(const std::vector<bool>& selected)
{
    if (m_combs.empty() || std::none_of(selected.begin(), selected.end(), [](bool b) { return b; }))
        return false;
    BusyScope busy(m_services, QString());
    saveUndo(true);
    deleteSelected(selected);
    return true;
}

void CandidatesController::countNumbers()
{
    int count = 0;
    {
        BusyScope busy(m_services, tr("Подождите пожалуйста..."));
        count = core::DistinctNumbers(m_combs.data(), m_combs.size());
    }
    m_services.showInformation(tr("В текущем списке комбинаций содержится %1 уникальных номеров").arg(count));
}

void CandidatesController::findInDraws(int row)
{
    if (row < 0 || row >= int(m_combs.size()))
        return;
    QStringList found;
    {
        BusyScope busy(m_services, tr("Поиск по архиву тиражей..."));
        found = combos::FindInDraws(m_archive.draws(), m_combs[std::size_t(row)]);
    }
    if (found.isEmpty())
        m_services.showInformation(tr("Выделенная комбинация не найдена архиве тиражей!"));
    else
        m_services.showInformation(tr("Выделенная комбинация найдена в следующих тиражах:") + QStringLiteral("\n\n") +
                                   found.join(u'\n'));
}

bool CandidatesController::loadFile(const QString& path)
{
    QString error;
    const bool ok = combos::LoadCombsFile(path, m_combs, &error);
    if (!ok)
        m_services.showError(tr("Ошибка чтения файла \"%1\"!\n\n%2").arg(path, error));
    return ok;
}

bool CandidatesController::saveFile(const QString& path)
{
    QString error;
    bool ok = false;
    {
        StatusKept kept(m_services);
        const QString name = QFileInfo(path).fileName();
        // The file's text, slice by slice: the same bytes as one text of the whole list.
        ok = core::WriteFileSafely(
            path,
            [&](QIODevice& device, QString* err) {
                const std::span<const core::TComb> all(m_combs);
                for (std::size_t from = 0; from < all.size(); from += kSliceCombs) {
                    const std::size_t count = std::min(kSliceCombs, all.size() - from);
                    const QByteArray text = combos::CombsFileText(all.subspan(from, count));
                    if (device.write(text) != text.size()) {
                        if (err)
                            *err = device.errorString();
                        return false;
                    }
                    if (from + count < all.size())
                        m_services.showStatus(tr("Сохранение файла \"%1\" ( завершено %2 % )...")
                                                  .arg(name, percentText(share(from + count, all.size()))));
                }
                return true;
            },
            &error);
    }
    if (!ok)
        m_services.showError(tr("Ошибка записи в файл \"%1\"!\n\n%2").arg(path, error));
    return ok;
}

bool CandidatesController::open()
{
    const QString path = m_services.io().pickOpenFile(combsFileFilter());
    if (path.isEmpty())
        return false;
    BusyScope busy(m_services, QString());
    saveUndo(true);
    m_services.showStatus(tr("Загрузка файла \"%1\"...").arg(QFileInfo(path).fileName()));
    const bool ok = loadFile(path);
    if (!ok)
        restoreUndo(true);
    dropUndo();
    historyClear();
    refresh();
    return ok;
}

bool CandidatesController::save()
{
    if (m_combs.empty())
        return false;
    const QString path = m_services.io().pickSaveFile(combsFileFilter(), QStringLiteral("lcv"));
    if (path.isEmpty())
        return false;
    BusyScope busy(m_services, tr("Сохранение файла \"%1\"...").arg(QFileInfo(path).fileName()));
    return saveFile(path);
}

void CandidatesController::copy(const std::vector<std::size_t>& rows)
{
    if (m_combs.empty())
        return;
    QString text;
    {
        BusyScope busy(m_services, tr("Подождите пожалуйста..."));
        for (std::size_t from = 0; from < rows.size(); from += kSliceCombs) {
            const auto to = std::min(rows.size(), from + kSliceCombs);
            text += combos::CombsClipboardText(m_combs, std::vector<std::size_t>(rows.begin() + std::ptrdiff_t(from),
                                                                                 rows.begin() + std::ptrdiff_t(to)));
            if (to < rows.size())
                m_services.showStatus(
                    tr("Подождите пожалуйста ( завершено %1 % )...").arg(percentText(share(to, rows.size()))));
        }
    }
    m_services.io().setClipboardText(text);
}

bool CandidatesController::paste()
{
    if (!m_services.io().clipboardHasText())
        return false;
    BusyScope busy(m_services, tr("Подождите пожалуйста..."));
    const QString text = m_services.io().clipboardText();
    bool ok = true;
    try {
        // Piece by piece, each ending at a line break: the same combinations, and the same
        // first faulty line, as the whole text at once.
        core::TCombsArray pasted;
        for (qsizetype from = 0; from < text.size();) {
            qsizetype to = from + kPasteSlice < text.size() ? text.indexOf(u'\n', from + kPasteSlice) : -1;
            to = to < 0 ? text.size() : to + 1;
            const core::TCombsArray piece = combos::ParseClipboardText(text.mid(from, to - from));
            pasted.insert(pasted.end(), piece.begin(), piece.end());
            from = to;
            if (from < text.size())
                m_services.showStatus(tr("Подождите пожалуйста ( завершено %1 % )...")
                                          .arg(percentText(share(std::size_t(from), std::size_t(text.size())))));
        }
        if (!pasted.empty()) {
            saveUndo(false);
            m_combs = std::move(pasted);
            historyClear();
        }
    } catch (const core::EConvertError& e) {
        // The text is read whole before the list is touched, so the previous list stays.
        m_services.showError(e.message());
        ok = false;
    }
    dropUndo();
    refresh();
    return ok;
}

void CandidatesController::statFilter(int method, const core::TStatDrawArray& values, const QStringList& valueTexts,
                                      const QString& name, bool exclude)
{
    if (m_combs.empty() || values.empty())
        return;
    m_services.showStatus(tr("Создание файла отката..."));
    m_services.showStatus(QString());
    BusyScope busy(m_services, QString());
    std::unique_ptr<stats::TCustomStat> stat;
    try {
        stat = m_statistics.list().CreateStatFromSelection(method, QStringLiteral("cbDrawsStatType"));
    } catch (...) {
        // The undo copy is saved before the method is looked at, so it is there even then.
        saveUndo(false);
        throw;
    }
    narrowByValues(*stat, values, valueTexts.join(QStringLiteral("; ")), name, exclude);
}

} // namespace app
