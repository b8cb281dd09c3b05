#include "online/SelfUpdate.h"

#include "core/Cp1251.h"
#include "core/RunProcess.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QThread>
#include <QUrl>

#include <array>

namespace online {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("online::SelfUpdate", text);
}

[[noreturn]] void fail(const QString& message)
{
    throw core::EConvertError(message);
}

QString notFound(const QString& path)
{
    return tr("Файл \"%1\" не найден!").arg(QDir::toNativeSeparators(path));
}

QStringList splitList(const QString& text)
{
    QStringList names;
    for (const QString& part : text.split(u';')) {
        const QString name = part.trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

// The description names files of the installation and of the update folder: bare names only,
// so a description can never reach a file outside those two folders.
void requireBareName(const QString& name)
{
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(QChar(0)))
        fail(tr("Недопустимое имя файла в описании обновления: \"%1\".").arg(name));
}

bool startsWithScheme(const QString& source, const QString& scheme)
{
    return source.startsWith(scheme, Qt::CaseInsensitive);
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("Ошибка чтения файла \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return file.readAll();
}

void makeExecutable(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ReadOwner);
}

void removeFolder(const QString& path)
{
    if (QFileInfo::exists(path))
        QDir(path).removeRecursively();
}

} // namespace

int BuildNumber(const QString& version)
{
    static const QRegularExpression separators(QStringLiteral("[,\\-._]"));
    const QStringList words = version.split(separators);
    if (words.size() < 4)
        return 0;
    bool ok = false;
    const int build = words[3].trimmed().toInt(&ok);
    return ok ? build : 0;
}

UpdateInfo ReadUpdateInfo(const core::IniFile& ini, const QString& product, const QString& current)
{
    UpdateInfo info;
    info.VerId = ini.readString(product, QStringLiteral("VerId"), current).trimmed();
    info.Description = ini.readString(product, QStringLiteral("Description"));
    info.DownloadUrl = ini.readString(product, QStringLiteral("DownloadUrl")).trimmed();
    info.OriginalFileName = ini.readString(product, QStringLiteral("OriginalFileName")).trimmed();
    info.ChecksumCRC32 = ini.readString(product, QStringLiteral("ChecksumCRC32")).trimmed();
    info.ChecksumSHA256 = ini.readString(product, QStringLiteral("ChecksumSHA256")).trimmed();
    const auto list = [&](const QString& section, const char* key) {
        return splitList(ini.readString(section, QString::fromLatin1(key)));
    };
    info.GlobalDeleteAfter = list(kGlobalOptions, "DeleteAfter");
    info.DeleteAfter = list(product, "DeleteAfter");
    info.GlobalDeleteBefore = list(kGlobalOptions, "DeleteBefore");
    info.DeleteBefore = list(product, "DeleteBefore");
    info.GlobalExecAfter = list(kGlobalOptions, "ExecAfter");
    info.ExecAfter = list(product, "ExecAfter");
    info.GlobalExecBefore = list(kGlobalOptions, "ExecBefore");
    info.ExecBefore = list(product, "ExecBefore");
    return info;
}

bool UpdateExists(const QString& current, const UpdateInfo& info)
{
    return BuildNumber(current) < BuildNumber(info.VerId) && !info.DownloadUrl.isEmpty();
}

quint32 Crc32(const QByteArray& bytes, quint32 crc)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (const char byte : bytes)
        crc = table[(crc ^ quint8(byte)) & 0xFFu] ^ (crc >> 8);
    return ~crc;
}

QString Crc32Text(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("Ошибка чтения файла \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    quint32 crc = 0;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 16);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError)
            fail(tr("Ошибка чтения файла \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString()));
        crc = Crc32(chunk, crc);
    }
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}

QString Sha256Text(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(tr("Ошибка чтения файла \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        fail(tr("Ошибка чтения файла \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return QString::fromLatin1(hash.result().toHex()).toUpper();
}

QString AsideName(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype point = name.lastIndexOf(u'.');
    // A leading point starts a hidden name, not an extension.
    const bool hasExtension = point > 0;
    const QString stem = hasExtension ? name.left(point) : name;
    const QString extension = hasExtension ? name.mid(point + 1) : QString();
    const QDir dir = info.dir();
    for (QString tildes = QStringLiteral("~");; tildes += u'~') {
        const QString candidate = dir.filePath(stem + u'.' + tildes + extension);
        if (!QFileInfo(candidate).exists() && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

QString NotesFolder(const QString& source)
{
    if (startsWithScheme(source, QStringLiteral("https://")) || startsWithScheme(source, QStringLiteral("http://")))
        return net::UrlFolder(source) + QStringLiteral("UpdDescr/");
    return QFileInfo(source).absolutePath() + QStringLiteral("/UpdDescr/");
}

QStringList NotesNames(const QString& verId, int lcid, const QString& abbreviation)
{
    QStringList names;
    if (lcid != 0) {
        if (!abbreviation.isEmpty())
            names << QStringLiteral("UpdDescr_%1_%2.txt").arg(abbreviation, verId);
        names << QStringLiteral("UpdDescr_%1_%2.txt").arg(lcid).arg(verId);
    }
    names << QStringLiteral("UpdDescr_%1.txt").arg(verId);
    return names;
}

SelfUpdater::SelfUpdater(UpdateSite site) : m_site(std::move(site)) {}

QString SelfUpdater::path(const QString& name) const
{
    return QDir(m_site.installDir).filePath(name);
}

bool SelfUpdater::installWritable() const
{
    // Permissions alone do not tell (a read-only mount, an access list): try it.
    QTemporaryFile probe(path(QStringLiteral(".update-probe-XXXXXX")));
    return probe.open();
}

void SelfUpdater::removeLeftovers() const
{
    const QDir dir(m_site.installDir);
    const QStringList leftovers = dir.entryList({QStringLiteral("*.~*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : leftovers)
        QFile::remove(dir.filePath(name));
}

void SelfUpdater::downloadTo(const QString& source, const QString& file) const
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        fail(tr("Не удалось создать папку \"%1\".").arg(QDir::toNativeSeparators(folder)));
    if (startsWithScheme(source, QStringLiteral("https://"))) {
        net::RequestOptions options = m_site.request;
        const net::HttpResponse response = net::HttpGetFile(source, file, options);
        if (!response.ok())
            fail(response.message);
        return;
    }
    // A program is run from what arrives here: an address anyone on the way can alter is not taken.
    if (startsWithScheme(source, QStringLiteral("http://")))
        fail(tr("Адрес \"%1\" отклонён: обновления загружаются только по защищённому протоколу https.").arg(source));
    QString local = source;
    if (startsWithScheme(source, QStringLiteral("file://")))
        local = QUrl(source).toLocalFile();
    else if (source.contains(QStringLiteral("://")))
        fail(tr("Адрес \"%1\" отклонён: обновления загружаются только по защищённому протоколу https.").arg(source));
    if (!QFileInfo(local).isFile())
        fail(notFound(local));
    if (QFileInfo(local).canonicalFilePath() == QFileInfo(file).canonicalFilePath())
        return;
    QFile::remove(file);
    QFile input(local);
    if (!input.copy(file))
        fail(tr("Ошибка копирования файла \"%1\": %2").arg(QDir::toNativeSeparators(local), input.errorString()));
}

UpdateSearch SelfUpdater::search(const QString& source, int lcid, const QString& abbreviation,
                                 core::Progress& progress) const
{
    const QString infoFile = path(kUpdateInfoFile);
    struct Cleanup
    {
        QString file;
        ~Cleanup() { QFile::remove(file); }
    } cleanup{infoFile};

    removeLeftovers();
    progress.step();
    const QString current = m_site.currentVersion;
    progress.step();
    downloadTo(source, infoFile);
    progress.step();
    core::IniFile ini(infoFile);
    QString error;
    if (!ini.load(&error))
        fail(error);
    UpdateSearch found;
    found.info = ReadUpdateInfo(ini, m_site.product, current);
    progress.step();
    found.exists = UpdateExists(current, found.info);
    if (found.exists)
        found.notes = fetchNotes(source, found.info, lcid, abbreviation);
    progress.step();
    return found;
}

QStringList SelfUpdater::fetchNotes(const QString& source, const UpdateInfo& info, int lcid,
                                    const QString& abbreviation) const
{
    const QString folder = NotesFolder(source);
    // The version names local files: it must not lead out of the folder.
    requireBareName(QStringLiteral("UpdDescr_%1.txt").arg(info.VerId));
    const QString local = path(QStringLiteral("UpdDescr_%1.txt").arg(info.VerId));
    for (const QString& name : NotesNames(info.VerId, lcid, abbreviation)) {
        try {
            downloadTo(folder + name, local);
            QByteArray bytes = readWhole(local);
            QFile::remove(local);
            bytes.replace("\r\n", "\n");
            QStringList lines = cp1251::decode(bytes).split(u'\n');
            if (!lines.isEmpty() && lines.last().isEmpty())
                lines.removeLast();
            return lines;
        } catch (const core::EConvertError&) {
            QFile::remove(local);
        }
    }
    return {tr("< Описание обновления не доступно >")};
}

void SelfUpdater::downloadPackage(const UpdateInfo& info, const QString& package) const
{
    m_attempts = 0;
    for (int attempt = 1;; ++attempt) {
        try {
            ++m_attempts;
            QFile::remove(package);
            downloadTo(info.DownloadUrl, package);
            if (!QFileInfo::exists(package))
                fail(notFound(package));
            if (!info.ChecksumCRC32.isEmpty() &&
                Crc32Text(package).compare(info.ChecksumCRC32, Qt::CaseInsensitive) != 0)
                fail(tr("Неверная контрольная сумма скачанного файла."));
            if (!info.ChecksumSHA256.isEmpty() &&
                Sha256Text(package).compare(info.ChecksumSHA256, Qt::CaseInsensitive) != 0)
                fail(tr("Неверная контрольная сумма скачанного файла."));
            return;
        } catch (const core::EConvertError&) {
            QFile::remove(package);
            if (attempt >= 3)
                throw;
        }
    }
}

void SelfUpdater::runPackage(const QString& program) const
{
    makeExecutable(program);
    core::RunOptions options;
    options.timeoutSeconds = m_site.processTimeoutSeconds;
    options.keepAlive = m_site.request.keepAlive;
    const int code = core::RunProcess(updateFolder(), program, {}, options);
    if (code != 0)
        fail(tr("Программа \"%1\" завершилась с кодом %2.").arg(QFileInfo(program).fileName()).arg(code));
}

void SelfUpdater::deleteListed(const QStringList& names) const
{
    for (const QString& name : names) {
        requireBareName(name);
        const QString file = path(name);
        if (QFileInfo(file).isFile())
            QFile::remove(file);
    }
}

void SelfUpdater::runListed(const QStringList& names) const
{
    for (const QString& name : names) {
        requireBareName(name);
        const QString program = QDir(updateFolder()).filePath(name);
        if (!QFileInfo(program).isFile())
            continue;
        makeExecutable(program);
        core::RunOptions options;
        options.timeoutSeconds = m_site.processTimeoutSeconds;
        options.keepAlive = m_site.request.keepAlive;
        core::RunProcess(updateFolder(), program, {}, options);
    }
}

void SelfUpdater::copyOver() const
{
    struct Replaced
    {
        QString target;
        QString aside;
    };
    std::vector<Replaced> replaced;
    QStringList created;
    const QDir source(updateFolder());
    const QStringList names = source.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    const auto restore = [&] {
        for (const QString& file : created)
            QFile::remove(file);
        for (auto it = replaced.rbegin(); it != replaced.rend(); ++it) {
            QFile::remove(it->target);
            QFile::rename(it->aside, it->target);
        }
    };
    try {
        for (const QString& name : names) {
            const QString from = source.filePath(name);
            const QString target = path(name);
            QFile input(from);
            if (!QFileInfo::exists(target) && !QFileInfo(target).isSymLink()) {
                if (!input.copy(target))
                    fail(tr("Ошибка копирования файла \"%1\": %2").arg(QDir::toNativeSeparators(target),
                                                                      input.errorString()));
                created << target;
                continue;
            }
            const QString tmp = target + QStringLiteral(".tmp");
            QFile::remove(tmp);
            if (!input.copy(tmp)) {
                const QString reason = input.errorString();
                QFile::remove(tmp);
                fail(tr("Ошибка копирования файла \"%1\": %2").arg(QDir::toNativeSeparators(target), reason));
            }
            // The old file stays aside until every file is in place, so a failure can put it back.
            const QString aside = AsideName(target);
            QFile old(target);
            if (!old.rename(aside)) {
                const QString reason = old.errorString();
                QFile::remove(tmp);
                fail(tr("Ошибка копирования файла \"%1\": %2").arg(QDir::toNativeSeparators(target), reason));
            }
            replaced.push_back({target, aside});
            QFile fresh(tmp);
            if (!fresh.rename(target)) {
                const QString reason = fresh.errorString();
                QFile::remove(tmp);
                fail(tr("Ошибка копирования файла \"%1\": %2").arg(QDir::toNativeSeparators(target), reason));
            }
        }
    } catch (...) {
        restore();
        throw;
    }
    // The running executable's old copy stays until the next run removes it as a leftover.
    const QString running = QFileInfo(m_site.runningExe).absoluteFilePath();
    for (const Replaced& r : replaced)
        if (QFileInfo(r.target).absoluteFilePath() != running)
            QFile::remove(r.aside);
}

void SelfUpdater::install(const UpdateInfo& info, core::Progress& progress) const
{
    const QString folder = updateFolder();
    struct Cleanup
    {
        QString folder;
        ~Cleanup() { removeFolder(folder); }
    } cleanup{folder};

    requireBareName(info.OriginalFileName);
    for (const QStringList* list : {&info.GlobalDeleteBefore, &info.DeleteBefore, &info.GlobalDeleteAfter,
                                    &info.DeleteAfter, &info.GlobalExecBefore, &info.ExecBefore,
                                    &info.GlobalExecAfter, &info.ExecAfter})
        for (const QString& name : *list)
            requireBareName(name);

    removeFolder(folder);
    if (QFileInfo::exists(folder))
        fail(tr("Не удалось удалить папку \"%1\".").arg(QDir::toNativeSeparators(folder)));
    progress.step();
    if (!QDir().mkpath(folder))
        fail(tr("Не удалось создать папку \"%1\".").arg(QDir::toNativeSeparators(folder)));
    progress.step();

    const QString packageName = QStringLiteral("SelfUpdate_%1.upd").arg(info.VerId);
    requireBareName(packageName);
    const QString package = QDir(folder).filePath(packageName);
    downloadPackage(info, package);
    progress.step();

    const QString program = QDir(folder).filePath(info.OriginalFileName);
    if (program != package) {
        QFile::remove(program);
        QFile packageFile(package);
        if (!packageFile.rename(program))
            fail(packageFile.errorString());
    }
    progress.step();
    if (!QFileInfo(program).isFile())
        fail(notFound(program));
    progress.step();
    runPackage(program);
    progress.step();

    // Some unpackers keep their file open for a moment after they end.
    for (int tries = 0; QFileInfo::exists(program); ++tries) {
        QFile file(program);
        if (file.remove())
            break;
        if (tries >= 100)
            fail(file.errorString());
        QThread::msleep(100);
    }
    progress.step();
    if (QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        fail(notFound(QDir(folder).filePath(QStringLiteral("*.*"))));
    progress.step();

    deleteListed(info.GlobalDeleteBefore);
    deleteListed(info.DeleteBefore);
    progress.step();
    runListed(info.GlobalExecBefore);
    runListed(info.ExecBefore);
    progress.step();
    copyOver();
    progress.step();
    runListed(info.GlobalExecAfter);
    runListed(info.ExecAfter);
    progress.step();
    deleteListed(info.GlobalDeleteAfter);
    deleteListed(info.DeleteAfter);
    progress.step();
}

} // namespace online
