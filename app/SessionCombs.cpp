// The candidate list of the session: generation, the one-step undo, the narrowing passes, the
// filter history, the combination files and clipboard, and the cache of script runs.

#include "app/Session.h"

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
    explicit StatusKept(Session& session) : m_session(session), m_text(session.statusText()) {}
    ~StatusKept() { m_session.showStatus(m_text); }
    StatusKept(const StatusKept&) = delete;
    StatusKept& operator=(const StatusKept&) = delete;

private:
    Session& m_session;
    QString m_text;
};

const QString& combsFileFilter()
{
    static const QString filter = QCoreApplication::translate("app::Session", "Файлы комбинаций (*.lcv)");
    return filter;
}

} // namespace

bool Session::combsGenerate(const core::TGenSettings& settings, bool withStatus)
{
    if (withStatus)
        showStatus(tr("Генерация возможных комбинаций..."));
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
        showError(tr("Ошибка генерации файла комбинаций!\n\n%1").arg(e.message()));
        ok = false;
    } catch (const std::bad_alloc&) {
        showError(tr("Ошибка генерации файла комбинаций!\n\n%1").arg(tr("Недостаточно памяти")));
        ok = false;
    }
    if (withStatus) {
        filterHistoryClear();
        m_undo.clear();
        combsRefresh();
        showStatus(QString());
    }
    return ok;
}

void Session::combsSaveUndo(bool withStatus)
{
    if (withStatus)
        showStatus(tr("Создание файла отката..."));
    try {
        m_undo.reserve(m_combs.capacity());
        m_undo.assign(m_combs.begin(), m_combs.end());
    } catch (const std::bad_alloc&) {
        core::TCombsArray().swap(m_undo);
        if (withStatus)
            showStatus(QString());
        throw;
    }
    if (withStatus)
        showStatus(QString());
}

void Session::combsRestoreUndo(bool withStatus)
{
    if (withStatus)
        showStatus(tr("Отмена изменений..."));
    // The undo copy becomes the list; the list's storage is kept for the next undo copy.
    m_combs.swap(m_undo);
    m_undo.clear();
    combsRefresh();
    if (withStatus)
        showStatus(QString());
}

void Session::combsRefresh()
{
    emit combsChanged();
    emit statusPanelsChanged();
}

bool Session::combsContains(const core::TComb& comb) const
{
    return std::find(m_combs.begin(), m_combs.end(), comb) != m_combs.end();
}

void Session::combsExcludeDraws(int n, bool ascendingSource)
{
    const QString status = tr("Удаление из списка комбинаций %1 последних тиражей...").arg(n);
    showStatus(status);
    const int last = int(m_draws.size()) - 1 - m_drawsOffset;
    const int first = n > 0 ? std::max(0, last - n + 1) : last + 1;
    if (!ascendingSource || !combos::ExcludeDrawsFromSorted(m_undo, m_draws, first, last, m_combs))
        combos::ExcludeDraws(m_undo, m_draws, first, last, m_combs, [&](double percent) {
        showStatus(tr("Удаление из списка комбинаций %1 последних тиражей ( завершено %2 % )...")
                       .arg(n)
                           .arg(percentText(percent)));
        });
    m_history.push_back(combos::ExcludedDrawsHistoryRow(n, m_combs.size()));
    emit filterHistoryChanged();
    combsRefresh();
    showStatus(QString());
}

void Session::combsDeleteSelected(const std::vector<bool>& selected)
{
    showStatus(tr("Удаление выделенных комбинаций..."));
    const auto count = std::count(selected.begin(), selected.end(), true);
    combos::DeleteSelected(m_undo, selected, m_combs);
    filterHistoryAdd(true, tr("Выделенные комбинации"), QString::number(count));
    combsRefresh();
    showStatus(QString());
}

void Session::combsFilterByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values,
                                  const QString& valuesText, const QString& name, bool exclude)
{
    showStatus(tr("Фильтрация комбинаций..."));
    if (values.empty()) {
        showStatus(QString());
        return;
    }
    if (m_undo.empty()) {
        m_combs.clear();
    } else {
        const int last = std::max(0, int(m_draws.size()) - 1 - m_drawsOffset);
        const bool sorted = m_state.SortedDraws;
        stat.LoadDraws(-1, last, sorted);
        combos::FilterByValues(stat, values, exclude, sorted, last, m_undo, m_combs, &m_filterScratch);
        filterHistoryAdd(exclude, name, valuesText);
    }
    combsRefresh();
    showStatus(QString());
}

void Session::combsNarrowByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values,
                                  const QString& valuesText, const QString& name, bool exclude)
{
    if (values.empty()) {
        combsSaveUndo(false);
        combsFilterByValues(stat, values, valuesText, name, exclude);
        return;
    }
    m_undo.swap(m_combs);
    try {
        combsFilterByValues(stat, values, valuesText, name, exclude);
    } catch (...) {
        // Out of memory or no thread to be had: the list is what it was, without an undo copy,
        // as when saving the undo copy fails.
        m_combs.swap(m_undo);
        m_undo.clear();
        combsRefresh();
        showStatus(QString());
        throw;
    }
}

void Session::combsFilterByNumbers(const std::vector<int>& numbers, const QStringList& texts, const QString& name,
                                   bool exclude)
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
    const auto stat = cls->Create(*cls, m_statList.env(), 0);
    combsFilterByValues(*stat, values, texts.join(QStringLiteral("; ")), name, exclude);
}

void Session::filterHistoryAdd(bool removed, const QString& name, const QString& values)
{
    combos::FilterHistoryRow row;
    row.Name = name;
    row.Values = values;
    row.Count = std::int64_t(m_combs.size());
    row.Icon = removed ? combos::FilterHistoryRow::Kind::Removed : combos::FilterHistoryRow::Kind::Kept;
    m_history.push_back(row);
    emit filterHistoryChanged();
}

void Session::filterHistoryAddUndo()
{
    m_history.push_back(combos::UndoHistoryRow(std::int64_t(m_combs.size())));
    emit filterHistoryChanged();
}

void Session::filterHistoryClear()
{
    m_history.clear();
    emit filterHistoryChanged();
}

void Session::filterHistoryDropLast()
{
    if (!m_history.empty()) {
        m_history.pop_back();
        emit filterHistoryChanged();
    }
}

QString Session::combsBufferFile() const
{
    return m_folder.derived(QStringLiteral(".~buff"));
}

bool Session::combsBufferSave(int offset, int n)
{
    if (m_bufferKey == std::make_pair(offset, n))
        return true;
    showStatus(tr("Создание буфера комбинаций..."));
    m_bufferKey = {offset, n};
    QString error;
    const bool ok = combos::SaveCombsBuffer(combsBufferFile(), m_combs, &error);
    if (!ok) {
        m_bufferKey = {-1, -1};
        showError(tr("Ошибка создания буфера комбинаций!\n\n%1").arg(error));
    }
    showStatus(QString());
    return ok;
}

bool Session::combsBufferLoad(int offset, int n)
{
    if (m_bufferKey != std::make_pair(offset, n) || !QFileInfo::exists(combsBufferFile()))
        return false;
    showStatus(tr("Загрузка буфера комбинаций..."));
    QString error;
    core::TCombsArray loaded;
    const bool ok = combos::LoadCombsBuffer(combsBufferFile(), loaded, &error);
    if (ok) {
        m_combs = std::move(loaded);
        combsRefresh();
    } else {
        showError(tr("Ошибка загрузки буфера комбинаций!\n\n%1").arg(error));
    }
    showStatus(QString());
    return ok;
}

void Session::combsBufferReset()
{
    m_bufferKey = {-1, -1};
    QFile::remove(combsBufferFile());
}

// ---- user commands

bool Session::combsGen()
{
    core::TGenSettings settings = m_genSettings;
    bool save = false;
    if (!m_io.editGenSettings(settings, save))
        return false;
    if (save) {
        m_genSettings = settings;
        QString error;
        if (!core::GenSettingsSave(m_folder.configFile(), m_genSettings, &error))
            showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
    }
    BusyScope busy(*this, QString());
    combsSaveUndo(true);
    return combsGenerate(settings, true);
}

bool Session::combsUndo()
{
    if (m_undo.empty())
        return false;
    BusyScope busy(*this, QString());
    combsRestoreUndo(true);
    filterHistoryDropLast();
    return true;
}

bool Session::combsDelExists(int n)
{
    if (m_combs.empty() || m_draws.empty() || n <= 0)
        return false;
    BusyScope busy(*this, QString());
    combsSaveUndo(true);
    combsExcludeDraws(n);
    return true;
}

bool Session::combsDelSelected(const std::vector<bool>& selected)
{
    if (m_combs.empty() || std::none_of(selected.begin(), selected.end(), [](bool b) { return b; }))
        return false;
    BusyScope busy(*this, QString());
    combsSaveUndo(true);
    combsDeleteSelected(selected);
    return true;
}

void Session::combsCheckNums()
{
    int count = 0;
    {
        BusyScope busy(*this, tr("Подождите пожалуйста..."));
        count = core::DistinctNumbers(m_combs.data(), m_combs.size());
    }
    showInformation(tr("В текущем списке комбинаций содержится %1 уникальных номеров").arg(count));
}

void Session::combsFindInDraws(int row)
{
    if (row < 0 || row >= int(m_combs.size()))
        return;
    QStringList found;
    {
        BusyScope busy(*this, tr("Поиск по архиву тиражей..."));
        found = combos::FindInDraws(m_draws, m_combs[std::size_t(row)]);
    }
    if (found.isEmpty())
        showInformation(tr("Выделенная комбинация не найдена архиве тиражей!"));
    else
        showInformation(tr("Выделенная комбинация найдена в следующих тиражах:") + QStringLiteral("\n\n") +
                        found.join(u'\n'));
}

bool Session::combsLoadFile(const QString& path)
{
    QString error;
    const bool ok = combos::LoadCombsFile(path, m_combs, &error);
    if (!ok)
        showError(tr("Ошибка чтения файла \"%1\"!\n\n%2").arg(path, error));
    return ok;
}

bool Session::combsSaveFile(const QString& path)
{
    QString error;
    bool ok = false;
    {
        StatusKept kept(*this);
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
                        showStatus(tr("Сохранение файла \"%1\" ( завершено %2 % )...")
                                       .arg(name, percentText(share(from + count, all.size()))));
                }
                return true;
            },
            &error);
    }
    if (!ok)
        showError(tr("Ошибка записи в файл \"%1\"!\n\n%2").arg(path, error));
    return ok;
}

bool Session::combsOpen()
{
    const QString path = m_io.pickOpenFile(combsFileFilter());
    if (path.isEmpty())
        return false;
    BusyScope busy(*this, QString());
    combsSaveUndo(true);
    showStatus(tr("Загрузка файла \"%1\"...").arg(QFileInfo(path).fileName()));
    const bool ok = combsLoadFile(path);
    if (!ok)
        combsRestoreUndo(true);
    combsDropUndo();
    filterHistoryClear();
    combsRefresh();
    return ok;
}

bool Session::combsSave()
{
    if (m_combs.empty())
        return false;
    const QString path = m_io.pickSaveFile(combsFileFilter(), QStringLiteral("lcv"));
    if (path.isEmpty())
        return false;
    BusyScope busy(*this, tr("Сохранение файла \"%1\"...").arg(QFileInfo(path).fileName()));
    return combsSaveFile(path);
}

void Session::combsCopy(const std::vector<std::size_t>& rows)
{
    if (m_combs.empty())
        return;
    QString text;
    {
        BusyScope busy(*this, tr("Подождите пожалуйста..."));
        for (std::size_t from = 0; from < rows.size(); from += kSliceCombs) {
            const auto to = std::min(rows.size(), from + kSliceCombs);
            text += combos::CombsClipboardText(m_combs, std::vector<std::size_t>(rows.begin() + std::ptrdiff_t(from),
                                                                                rows.begin() + std::ptrdiff_t(to)));
            if (to < rows.size())
                showStatus(tr("Подождите пожалуйста ( завершено %1 % )...").arg(percentText(share(to, rows.size()))));
        }
    }
    m_io.setClipboardText(text);
}

bool Session::combsPaste()
{
    if (!m_io.clipboardHasText())
        return false;
    BusyScope busy(*this, tr("Подождите пожалуйста..."));
    const QString text = m_io.clipboardText();
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
                showStatus(tr("Подождите пожалуйста ( завершено %1 % )...")
                               .arg(percentText(share(std::size_t(from), std::size_t(text.size())))));
        }
        if (!pasted.empty()) {
            combsSaveUndo(false);
            m_combs = std::move(pasted);
            filterHistoryClear();
        }
    } catch (const core::EConvertError& e) {
        // The text is read whole before the list is touched, so the previous list stays.
        showError(e.message());
        ok = false;
    }
    combsDropUndo();
    combsRefresh();
    return ok;
}

void Session::statFilter(int method, const core::TStatDrawArray& values, const QStringList& valueTexts,
                         const QString& name, bool exclude)
{
    if (m_combs.empty() || values.empty())
        return;
    showStatus(tr("Создание файла отката..."));
    showStatus(QString());
    BusyScope busy(*this, QString());
    std::unique_ptr<stats::TCustomStat> stat;
    try {
        stat = m_statList.CreateStatFromSelection(method, QStringLiteral("cbDrawsStatType"));
    } catch (...) {
        // The undo copy is saved before the method is looked at, so it is there even then.
        combsSaveUndo(false);
        throw;
    }
    combsNarrowByValues(*stat, values, valueTexts.join(QStringLiteral("; ")), name, exclude);
}

} // namespace app
