#include "app/SystemsController.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/OnlineSystems.h"
#include "app/Services.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "core/GameMath.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "net/NetSettings.h"
#include "stakes/StakeIndex.h"
#include "stakes/StakeRecord.h"
#include "stakes/Systems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app {

namespace {

const QString kEnabledKey = QStringLiteral("SystemsEnabled");

// File times keep whole seconds on some file systems: compare at that grain.
bool sameTime(const QDateTime& a, const QDateTime& b)
{
    return a.isValid() && b.isValid() && a.toSecsSinceEpoch() == b.toSecsSinceEpoch();
}

} // namespace

SystemsController::SystemsController(Services& services, const ArchiveController& archive,
                                     const CandidatesController& candidates, const StatisticsController& statistics,
                                     StakesController& stakes, const WebController& web)
    : m_services(services), m_archive(archive), m_candidates(candidates), m_statistics(statistics), m_stakes(stakes),
      m_online(std::make_unique<OnlineSystemsLibrary>(services, web))
{
}

SystemsController::~SystemsController() = default;

void SystemsController::useSettings(const net::NetworkSettings& network)
{
    setUser(network.ClientName, network.ClientMail);
    setLibrary(network.ServiceUrl.trimmed().isEmpty() ? nullptr : m_online.get());
}

void SystemsController::setLanguage(int lcid)
{
    m_online->setLanguage(lcid);
}

QString SystemsController::folder() const
{
    return m_services.folder().file(QStringLiteral("Systems"));
}

void SystemsController::readState(const core::IniFile& ini)
{
    m_enabled = ini.readBool(core::kMainWindowSection, kEnabledKey, true);
}

void SystemsController::setEnabled(bool on)
{
    {
        BusyScope busy(m_services, tr("Подождите пожалуйста..."));
        m_enabled = on;
        m_services.storeStateBool(kEnabledKey, on);
        emit enabledChanged(on);
    }
    if (on)
        refreshList();
    else
        clearList();
}

void SystemsController::startUp()
{
    if (m_enabled)
        refreshList();
}

void SystemsController::setUser(const QString& name, const QString& mail)
{
    m_userName = name;
    m_userMail = mail;
}

bool SystemsController::isOwn(const stakes::tSystemData& system) const
{
    return !m_userMail.isEmpty() && system.cl_mail.compare(m_userMail, Qt::CaseInsensitive) == 0;
}

SystemRowState SystemsController::rowState(int row) const
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return SystemRowState::None;
    const SystemRow& r = m_rows[std::size_t(row)];
    if (r.Data.id <= 0 && !r.FileOnly)
        return SystemRowState::None;
    if (r.Data.cl_mail.isEmpty())
        return r.Local ? SystemRowState::LocalUnknown : SystemRowState::RemoteUnknown;
    if (isOwn(r.Data))
        return r.Local ? SystemRowState::LocalOwn : SystemRowState::RemoteOwn;
    return r.Local ? SystemRowState::LocalForeign : SystemRowState::RemoteForeign;
}

int SystemsController::rowOfId(int id) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].Data.id == id)
            return int(i);
    }
    return -1;
}

void SystemsController::clearList()
{
    m_rows.clear();
    resetList();
}

void SystemsController::refreshList()
{
    {
        BusyScope busy(m_services, tr("Загрузка списка систем..."));
        m_rows.clear();
        bool reached = false;
        if (m_library) {
            QString error;
            const std::optional<std::vector<stakes::tSystemData>> listed = m_library->list(error);
            if (listed) {
                reached = true;
                for (const stakes::tSystemData& system : *listed)
                    m_rows.push_back({system, SystemFileExists(folder(), system), false, {}, {}});
            } else {
                m_services.showError(tr("Ошибка загрузки списка систем!") + QStringLiteral("\n\n") + error);
            }
        }
        // A local file older or newer than the library's system: the library holds another version.
        for (std::size_t i = 0; reached && i < m_rows.size(); ++i) {
            const SystemRow& row = m_rows[i];
            if (!row.Local)
                continue;
            const QFileInfo file(SystemFilePath(folder(), row.Data));
            if (!sameTime(file.lastModified(), row.Data.created))
                downloadRow(int(i));
        }
        addFileRows();
        if (m_rows.empty()) {
            SystemRow placeholder;
            placeholder.Data.id = -1;
            placeholder.Data.title = tr("Список систем не доступен!");
            m_rows.push_back(placeholder);
        }
    }
    resetList();
}

void SystemsController::addFileRows()
{
    for (const stakes::LocalSystem& file : stakes::LocalSystems(folder())) {
        const QString name = QFileInfo(file.Path).fileName();
        bool listed = false;
        for (const SystemRow& row : m_rows)
            listed =
                listed || (!row.FileOnly && stakes::SystemFileName(row.Data.nums, row.Data.olap, row.Data.id) == name);
        if (listed)
            continue;
        SystemRow row;
        row.FileOnly = true;
        row.Local = true;
        row.Data.id = file.Key.id;
        row.Data.nums = file.Key.nums;
        row.Data.olap = file.Key.olap;
        row.Data.title = QFileInfo(file.Path).completeBaseName();
        row.Data.created = file.Modified;
        std::vector<stakes::SystemLine> lines;
        QString error;
        if (stakes::ReadSystemFile(file.Path, file.Key.nums, lines, &error))
            row.Data.csize = int(lines.size());
        else
            row.Data.descr = error;
        m_rows.push_back(row);
    }
}

void SystemsController::updateLocalFlags()
{
    bool dropped = false;
    std::vector<int> changed;
    for (std::size_t i = m_rows.size(); i-- > 0;) {
        SystemRow& row = m_rows[i];
        const bool local = row.Data.nums > 0 && SystemFileExists(folder(), row.Data);
        if (row.FileOnly && !local) {
            m_rows.erase(m_rows.begin() + qsizetype(i));
            dropped = true;
            continue;
        }
        if (local != row.Local) {
            row.Local = local;
            changed.push_back(int(i));
        }
    }
    if (dropped) {
        resetList();
        return;
    }
    checkRows();
    for (int i : changed)
        emit rowChanged(i);
}

bool SystemsController::fetchLines(stakes::tSystemData& system)
{
    BusyScope busy(m_services, tr("Загрузка \"%1\"...").arg(system.title));
    QString error;
    std::optional<QString> lines;
    if (m_library)
        lines = m_library->fetchLines(system, error);
    else
        error = tr("Библиотека систем недоступна");
    if (!lines) {
        m_services.showError(tr("Ошибка загрузки системы #%1!").arg(system.id) + QStringLiteral("\n\n") + error);
        system.clist.clear();
        return false;
    }
    system.clist = *lines;
    return true;
}

bool SystemsController::storeSystem(const stakes::tSystemData& system, const QString& lines, QString& error)
{
    QStringList removed;
    const bool stored = stakes::SystemStore(folder(), system, lines, &error, &removed);
    updateLocalFlags();
    return stored;
}

bool SystemsController::downloadRow(int row)
{
    if (row < 0 || std::size_t(row) >= m_rows.size() || m_rows[std::size_t(row)].FileOnly ||
        m_rows[std::size_t(row)].Data.id <= 0)
        return false;
    stakes::tSystemData system = m_rows[std::size_t(row)].Data;
    if (!fetchLines(system))
        return false;
    QString error;
    if (!storeSystem(system, system.clist, error)) {
        m_services.showError(tr("Ошибка загрузки системы #%1!").arg(system.id) + QStringLiteral("\n\n") + error);
        return false;
    }
    return true;
}

std::vector<int> SystemsController::downloadRows(const std::vector<int>& rows)
{
    std::vector<int> done;
    BusyScope busy(m_services, QString());
    // Rows stay where they are: only file-only rows can go, and those are not downloaded.
    std::vector<int> ids;
    for (int row : rows) {
        if (row >= 0 && std::size_t(row) < m_rows.size())
            ids.push_back(m_rows[std::size_t(row)].Data.id);
    }
    for (int id : ids) {
        const int row = rowOfId(id);
        if (row >= 0 && downloadRow(row))
            done.push_back(rowOfId(id));
    }
    return done;
}

bool SystemsController::readLocalLines(const SystemRow& row, QString& lines, QString& error) const
{
    std::vector<stakes::SystemLine> parsed;
    const QString path = SystemFilePath(folder(), row.Data);
    if (!stakes::ReadSystemFile(path, row.Data.nums, parsed, &error))
        return false;
    const QByteArray text = stakes::SystemFileText(parsed);
    lines = QString::fromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return true;
}

int SystemsController::add(int fromRow)
{
    stakes::tSystemData system;
    system.author = m_userName;
    system.cl_mail = m_userMail;
    // A system on this computer that the library lacks (one made here, say) opens with its lines.
    if (fromRow >= 0 && std::size_t(fromRow) < m_rows.size() && m_rows[std::size_t(fromRow)].FileOnly) {
        const SystemRow& file = m_rows[std::size_t(fromRow)];
        QString error;
        if (readLocalLines(file, system.clist, error)) {
            system.nums = file.Data.nums;
            system.olap = file.Data.olap;
            system.csize = file.Data.csize;
            if (file.Check.Checked && !file.Check.Hole)
                system.descr = tr("Гарантия %1 из %2").arg(file.Check.Guarantee).arg(file.Check.Drawn);
        }
    }
    if (!m_services.io().editSystem(system, true))
        return -1;
    if (m_library) {
        QString error;
        int id = -1;
        {
            BusyScope busy(m_services, tr("Сохранение \"%1\"...").arg(system.title));
            id = m_library->upload(system, false, error);
        }
        if (id < 0) {
            m_services.showError(tr("Ошибка добавления системы!") + QStringLiteral("\n\n") + error);
            return -1;
        }
        // The id stays 0 until the next refresh brings the library's row.
        m_rows.push_back({system, false, false, {}, {}});
        resetList();
        return int(m_rows.size()) - 1;
    }
    // No library: the system is kept on this computer, unpublished.
    system.id = 0;
    if (!system.created.isValid())
        system.created = QDateTime::currentDateTime();
    QString error;
    if (!storeSystem(system, system.clist, error)) {
        m_services.showError(tr("Ошибка добавления системы!") + QStringLiteral("\n\n") + error);
        return -1;
    }
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [](const SystemRow& r) { return r.Data.id < 0; }),
                 m_rows.end());
    SystemRow row{system, true, true, {}, {}};
    row.Data.title = QFileInfo(SystemFilePath(folder(), system)).completeBaseName();
    m_rows.push_back(row);
    resetList();
    return int(m_rows.size()) - 1;
}

bool SystemsController::properties(int row)
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return false;
    const SystemRow current = m_rows[std::size_t(row)];
    if (current.Data.id < 0 && !current.FileOnly)
        return false;
    stakes::tSystemData copy = current.Data;
    if (current.FileOnly) {
        QString error;
        if (!readLocalLines(current, copy.clist, error)) {
            m_services.showError(tr("Ошибка загрузки комбинаций системы!") + QStringLiteral("\n\n") + error);
            return false;
        }
        // A file of this computer that was never published is the user's to change.
        const bool editable = current.Data.id == 0;
        if (!m_services.io().editSystem(copy, editable) || !editable)
            return false;
        copy.id = 0;
        QString error2;
        const QString oldPath = SystemFilePath(folder(), current.Data);
        if (!storeSystem(copy, copy.clist, error2)) {
            m_services.showError(tr("Ошибка изменения системы!") + QStringLiteral("\n\n") + error2);
            return false;
        }
        if (oldPath != SystemFilePath(folder(), copy))
            QFile::remove(oldPath);
        refreshList();
        return true;
    }
    // A library row: the lines come from the library; when they cannot be had, from the file on
    // this computer, else the dialog shows the fields alone.
    const bool fetched = m_library && fetchLines(copy);
    if (!fetched && current.Local) {
        QString error;
        if (!readLocalLines(current, copy.clist, error))
            copy.clist.clear();
    }
    const bool editable = isOwn(current.Data) && m_library;
    if (!m_services.io().editSystem(copy, editable) || !editable)
        return false;
    QString error;
    int id = -1;
    {
        BusyScope busy(m_services, tr("Сохранение \"%1\"...").arg(copy.title));
        id = m_library->upload(copy, false, error);
    }
    if (id < 0) {
        m_services.showError(tr("Ошибка изменения системы!") + QStringLiteral("\n\n") + error);
        return false;
    }
    m_rows[std::size_t(row)].Data = copy;
    emit rowChanged(row);
    return true;
}

bool SystemsController::canDelete(int row) const
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return false;
    const SystemRow& r = m_rows[std::size_t(row)];
    return r.FileOnly || (r.Data.id >= 0 && isOwn(r.Data));
}

bool SystemsController::remove(int row)
{
    if (row < 0 || std::size_t(row) >= m_rows.size())
        return false;
    const SystemRow current = m_rows[std::size_t(row)];
    if (!canDelete(row)) {
        m_services.showError(tr("Вы можете удалять только свои системы!"));
        return false;
    }
    if (!m_services.askConfirmation(tr("Вы действительно хотите удалить систему \"%1\"?").arg(current.Data.title),
                                    false))
        return false;
    const QString path = SystemFilePath(folder(), current.Data);
    if (!current.FileOnly) {
        if (!m_library) {
            m_services.showError(tr("Ошибка удаления системы!") + QStringLiteral("\n\n") +
                                 tr("Библиотека систем недоступна"));
            return false;
        }
        QString error;
        int id = -1;
        {
            BusyScope busy(m_services, tr("Удаление \"%1\"...").arg(current.Data.title));
            id = m_library->upload(current.Data, true, error);
        }
        if (id != 0) {
            m_services.showError(tr("Ошибка удаления системы!") + QStringLiteral("\n\n") +
                                 (error.isEmpty() ? tr("Библиотека не подтвердила удаление") : error));
            return false;
        }
    }
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        m_services.showError(tr("Ошибка удаления системы!") + QStringLiteral("\n\n") +
                             tr("Не удается удалить файл \"%1\"").arg(path));
        return false;
    }
    m_rows.erase(m_rows.begin() + row);
    resetList();
    return true;
}

QString SystemsController::gameComment(bool filtered, int nums, const QString& fileName)
{
    return filtered ? tr("Системная игра для %1 чисел [комбинации]: %2").arg(nums).arg(fileName)
                    : tr("Системная игра для %1 чисел [вся система]: %2").arg(nums).arg(fileName);
}

QString SystemsController::missingSystemText(const QString& folder, const QString& lookupMessage, int n)
{
    // Russian counts take three forms: 21 число, 22 числа, 25 чисел.
    const int last = n % 10;
    const bool teens = n % 100 >= 11 && n % 100 <= 14;
    const QString numbers = last == 1 && !teens                ? tr("%1 различное число").arg(n)
                            : last >= 2 && last <= 4 && !teens ? tr("%1 различных числа").arg(n)
                                                               : tr("%1 различных чисел").arg(n);
    QList<int> sizes;
    for (const stakes::LocalSystem& file : stakes::LocalSystems(folder)) {
        if (!sizes.contains(file.Key.nums))
            sizes.append(file.Key.nums);
    }
    QStringList sizeTexts;
    for (int size : sizes)
        sizeTexts << QString::number(size);
    const QString present = sizes.isEmpty() ? tr("На компьютере нет ни одной системы.")
                                            : tr("На компьютере есть системы для такого количества чисел: %1.")
                                                  .arg(sizeTexts.join(QStringLiteral(", ")));
    return lookupMessage + QStringLiteral("\n\n") +
           tr("Список комбинаций содержит %1, а системная игра берет систему ровно для стольких чисел. %2")
               .arg(numbers, present) +
           QStringLiteral("\n\n") +
           tr("Сузьте список комбинаций до чисел одной из систем, создайте систему для этих чисел командой "
              "\"Создать систему...\" на странице \"Системы\" или загрузите готовые системы через меню "
              "\"Системы\" - \"Загрузить\".");
}

bool SystemsController::stake(bool filtered)
{
    core::TByteArray numbers;
    {
        BusyScope busy(m_services, tr("Подождите пожалуйста..."));
        numbers = core::CollectNumbers(m_candidates.combs().data(), m_candidates.combs().size());
    }
    const int n = int(numbers.size());
    const stakes::SystemExpansion system = stakes::SystemExpand(folder(), numbers);
    if (!system.Found) {
        m_services.showError(missingSystemText(folder(), system.Message, n));
        return false;
    }
    if (system.Combs.empty()) {
        m_services.showError(tr("Ошибка загрузки комбинаций системы!") + QStringLiteral("\n\n") + system.Message);
        return false;
    }
    // A system that does not hold what its name claims is played only when the person agrees.
    if (const std::optional<stakes::SystemFileKey> key =
            stakes::ParseSystemFileName(QFileInfo(system.File).fileName())) {
        const SystemCheck check = checkFile(system.File, key->nums, key->olap);
        if (check.Hole && !m_services.askConfirmation(
                              tr("Система \"%1\" не выполняет заявленную гарантию: %2 из 5 вместо %3 из 5.\n\n"
                                 "Играть этой системой?")
                                  .arg(QFileInfo(system.File).completeBaseName())
                                  .arg(check.Guarantee)
                                  .arg(key->olap),
                              false))
            return false;
    }
    std::int32_t drawNum = m_archive.nextDrawNum(m_archive.offset());
    int copies = 1;
    QString comment = gameComment(filtered, n, QFileInfo(system.File).completeBaseName());
    if (!m_services.io().editMultiStake(drawNum, copies, comment))
        return false;
    return play(filtered, drawNum, copies, comment);
}

bool SystemsController::play(bool filtered, std::int32_t drawNum, int copies, const QString& comment)
{
    const core::TCombsArray& combs = m_candidates.combs();
    const core::TByteArray numbers = core::CollectNumbers(combs.data(), combs.size());
    const stakes::SystemExpansion system = stakes::SystemExpand(folder(), numbers);
    if (system.Combs.empty()) {
        m_services.showError(system.Found
                                 ? tr("Ошибка загрузки комбинаций системы!") + QStringLiteral("\n\n") + system.Message
                                 : missingSystemText(folder(), system.Message, int(numbers.size())));
        return false;
    }
    StakesController& book = m_stakes;
    bool ok = true;
    int made = 0;
    {
        BusyScope busy(m_services, tr("Создание ставок..."));
        book.scriptStakesBegin();
        // Which combinations the list holds, by rank: a lookup per system line.
        std::vector<bool> inList;
        if (filtered) {
            inList.assign(std::size_t(core::TotalCombs()), false);
            for (const core::TComb& c : combs) {
                const std::int32_t rank = stakes::StakeIndex::CombRank(core::ValueSetFromComb(c));
                if (rank >= 0)
                    inList[std::size_t(rank)] = true;
            }
        }
        stakes::TStakeRec rec =
            book.newStake(stakes::KindSystem, drawNum, core::ValueSetFromComb(core::TComb{}), comment);
        rec.SampleSize = std::int32_t(filtered ? combs.size() : system.Combs.size());
        for (core::TComb comb : system.Combs) {
            core::SortComb(comb);
            if (filtered) {
                const std::int32_t rank = stakes::StakeIndex::CombRank(core::ValueSetFromComb(comb));
                if (rank < 0 || !inList[std::size_t(rank)])
                    continue;
            }
            rec.Numbers = core::ValueSetFromComb(comb);
            rec.Profit = stakes::StakeProfit(m_statistics.config(), rec.Numbers.Count, -1);
            if (!book.createInBatch(rec, copies, true)) {
                ok = false;
                break;
            }
            ++made;
        }
        if (ok && !book.flush())
            ok = false;
        if (ok && made > 0)
            book.checkAndSave();
    }
    book.refresh(true, true);
    return ok;
}

} // namespace app
