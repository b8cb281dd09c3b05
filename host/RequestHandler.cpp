#include "host/RequestHandler.h"

#include "online/ClientIdentity.h"
#include "online/Conventions.h"
#include "online/SystemsLibrary.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <limits>

namespace host {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

const QRegularExpression& separators()
{
    static const QRegularExpression re(QStringLiteral("[ \\t*+,\\-./:;=\\\\_|~]+"));
    return re;
}

// The lines of a system as the host keeps them: "%.2d" positions joined by blanks, CR LF between
// lines. Every line holds five different positions 1..nums.
QString checkedLines(const QString& text, int nums, int csize)
{
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        throw HostError(tr("Список комбинаций системы пуст"));
    if (lines.size() != csize)
        throw HostError(tr("Количество комбинаций ( %1 ) не совпадает с csize ( %2 )").arg(lines.size()).arg(csize));
    QStringList clean;
    clean.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList words = lines[i].trimmed().split(separators(), Qt::SkipEmptyParts);
        QStringList positions;
        QSet<int> seen;
        for (const QString& w : words) {
            bool ok = false;
            const int p = w.toInt(&ok);
            if (!ok || p < 1 || p > nums || seen.contains(p))
                break;
            seen.insert(p);
            positions << QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'));
        }
        if (words.size() != online::kSystemCombLen || positions.size() != online::kSystemCombLen)
            throw HostError(tr("Строка %1 системы должна содержать пять разных позиций от 1 до %2: \"%3\"")
                                .arg(i + 1)
                                .arg(nums)
                                .arg(lines[i].left(80)));
        clean << positions.join(u' ');
    }
    return clean.join(QStringLiteral("\r\n"));
}

} // namespace

// ---- ReplyWriter

ReplyWriter& ReplyWriter::row()
{
    if (m_open)
        m_text += "</row>";
    m_text += "<row>";
    m_open = true;
    return *this;
}

ReplyWriter& ReplyWriter::add(const char* name, const QString& text)
{
    m_text += '<';
    m_text += name;
    m_text += '>';
    m_text += text.toUtf8();
    m_text += "</";
    m_text += name;
    m_text += '>';
    return *this;
}

ReplyWriter& ReplyWriter::add(const char* name, std::int64_t value)
{
    return add(name, QString::number(value));
}

ReplyWriter& ReplyWriter::addBase64(const char* name, const QString& text)
{
    return add(name, QString::fromLatin1(online::Base64Utf8(text)));
}

QByteArray ReplyWriter::finish()
{
    if (m_open)
        m_text += "</row>";
    m_open = false;
    return "<result>" + m_text + "</result>";
}

// ---- RequestHandler

RequestHandler::RequestHandler(Database& db) : m_db(db), m_now([] { return QDateTime::currentDateTimeUtc(); }) {}

QString RequestHandler::nowText() const
{
    return online::UtcText(m_now());
}

QString OwnerKey(const RequestFields& f)
{
    const QString mail = f.escaped("cl_mail").trimmed();
    if (mail.isEmpty())
        throw HostError(tr("Не указан адрес электронной почты пользователя (cl_mail)"));
    RequestFields::checkPlain("cl_mail", mail);
    return mail.toLower();
}

namespace {

using Handler = QByteArray (RequestHandler::*)(const RequestFields&);

} // namespace

bool RequestHandler::knows(const std::string& path)
{
    static const char* const paths[] = {
        "/scripts/sys_getlist.php",   "/scripts/sys_getdata.php",   "/scripts/sys_putdata.php",
        "/scripts/scr_getlist.php",   "/scripts/scr_getdata.php",   "/scripts/scr_chktitle.php",
        "/scripts/scr_putscript.php", "/scripts/scr_setrate.php",   "/scripts/scr_getrates.php",
    };
    for (const char* p : paths)
        if (path == p)
            return true;
    return false;
}

QByteArray RequestHandler::handle(const std::string& path, const FormFields& fields)
{
    const std::pair<const char*, Handler> table[] = {
        {"/scripts/sys_getlist.php", &RequestHandler::systemsList},
        {"/scripts/sys_getdata.php", &RequestHandler::systemData},
        {"/scripts/sys_putdata.php", &RequestHandler::systemPut},
        {"/scripts/scr_getlist.php", &RequestHandler::scriptsList},
        {"/scripts/scr_getdata.php", &RequestHandler::scriptData},
        {"/scripts/scr_chktitle.php", &RequestHandler::scriptTitleCheck},
        {"/scripts/scr_putscript.php", &RequestHandler::scriptPut},
        {"/scripts/scr_setrate.php", &RequestHandler::scriptRate},
        {"/scripts/scr_getrates.php", &RequestHandler::scriptRates},
    };
    const RequestFields f(fields);
    try {
        for (const auto& [name, handler] : table) {
            if (path == name) {
                // One connection serves every request, one request at a time.
                const std::lock_guard lock(m_mutex);
                return (this->*handler)(f);
            }
        }
        throw HostError(tr("Неизвестный запрос: %1").arg(QString::fromStdString(path)));
    } catch (const HostError& e) {
        return online::ErrorReply(e.message());
    } catch (const std::exception& e) {
        return online::ErrorReply(tr("Внутренняя ошибка сервера: %1").arg(QString::fromUtf8(e.what())));
    }
}

// ---- wheeling systems

QByteArray RequestHandler::systemsList(const RequestFields& f)
{
    const int clen = f.number("comblen", 1, 100);
    const int maxnums = f.number("maxnums", 1, 1000);
    Database::Statement s(m_db, "SELECT id, nums, olap, csize, title, descr, author, cl_mail, url, created, downloads, "
                                "last_download FROM systems WHERE clen = ?1 AND nums <= ?2 ORDER BY nums, id");
    s.bind(1, clen).bind(2, maxnums);
    ReplyWriter w;
    while (s.step()) {
        w.row()
            .add("id", s.integer(0))
            .add("nums", s.integer(1))
            .add("olap", s.integer(2))
            .add("csize", s.integer(3))
            .addBase64("title", s.text(4))
            .addBase64("descr", s.text(5))
            .add("author", s.text(6))
            .add("cl_mail", s.text(7))
            .add("url", s.text(8))
            .add("created", s.text(9))
            .add("downloads", s.integer(10))
            .add("last_download", s.text(11));
    }
    return w.finish();
}

QByteArray RequestHandler::systemData(const RequestFields& f)
{
    const int id = f.number("sys_id", 1, std::numeric_limits<int>::max());
    Database::Transaction t(m_db);
    Database::Statement s(m_db, "SELECT clist FROM systems WHERE id = ?1");
    s.bind(1, id);
    if (!s.step())
        throw HostError(tr("Система #%1 не найдена").arg(id));
    const QString clist = s.text(0);
    Database::Statement count(m_db,
                              "UPDATE systems SET downloads = downloads + 1, last_download = ?2 WHERE id = ?1");
    count.bind(1, id).bind(2, nowText()).step();
    t.commit();
    return ReplyWriter().row().addBase64("clist", clist).finish();
}

QByteArray RequestHandler::systemPut(const RequestFields& f)
{
    const bool remove = f.number("del_mode", 0, 1) == 1;
    const int id = f.number("sys_id", 0, std::numeric_limits<int>::max());
    const QString owner = OwnerKey(f);
    const QString mail = f.escaped("cl_mail").trimmed();

    Database::Transaction t(m_db);
    if (id > 0) {
        Database::Statement s(m_db, "SELECT owner FROM systems WHERE id = ?1");
        s.bind(1, id);
        if (!s.step())
            throw HostError(tr("Система #%1 не найдена").arg(id));
        if (s.text(0) != owner)
            throw HostError(remove ? tr("Вы можете удалять только свои системы!")
                                   : tr("Вы можете изменять только свои системы!"));
    }
    if (remove) {
        if (id == 0)
            throw HostError(tr("Не указана удаляемая система (sys_id)"));
        Database::Statement d(m_db, "DELETE FROM systems WHERE id = ?1");
        d.bind(1, id).step();
        t.commit();
        return ReplyWriter().row().add("id_systems", 0).finish();
    }

    const int nums = f.number("nums", 6, online::kSystemMaxNums);
    const int clen = f.number("clen", online::kSystemCombLen, online::kSystemCombLen);
    const int olap = f.number("olap", 0, 4);
    const int csize = f.number("csize", 1, 10'000'000);
    const QString title = f.escaped("title").trimmed();
    const QString descr = f.escaped("descr");
    const QString author = f.escaped("cl_name").trimmed();
    const QString url = f.plain("url").trimmed();
    const QString appid = f.plain("appid").trimmed();
    const QString appver = f.plain("appver").trimmed();
    const QString hwdid = f.plain("hwdid").trimmed();
    f.number("cl_lcid", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (title.isEmpty())
        throw HostError(tr("Название системы должно быть указано обязательно!"));
    if (author.isEmpty())
        throw HostError(tr("Имя автора должно быть указано обязательно!"));
    RequestFields::checkPlain("cl_name", author);
    RequestFields::checkPlain("url", url);
    const QString lines = checkedLines(f.base64Escaped("clist"), nums, csize);

    const QString now = nowText();
    std::int64_t result = id;
    if (id == 0) {
        Database::Statement s(m_db, "INSERT INTO systems(nums, clen, olap, csize, title, descr, clist, url, author, "
                                    "cl_mail, owner, appid, appver, hwdid, created) "
                                    "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)");
        s.bind(1, nums).bind(2, clen).bind(3, olap).bind(4, csize).bind(5, title).bind(6, descr).bind(7, lines);
        s.bind(8, url).bind(9, author).bind(10, mail).bind(11, owner).bind(12, appid).bind(13, appver);
        s.bind(14, hwdid).bind(15, now).step();
        result = m_db.lastInsertId();
    } else {
        // A new version: its creation time moves on, so the copies on users' computers are
        // downloaded again at their next refresh.
        Database::Statement s(m_db, "UPDATE systems SET nums = ?2, clen = ?3, olap = ?4, csize = ?5, title = ?6, "
                                    "descr = ?7, clist = ?8, url = ?9, author = ?10, appid = ?11, appver = ?12, "
                                    "hwdid = ?13, created = ?14 WHERE id = ?1");
        s.bind(1, id).bind(2, nums).bind(3, clen).bind(4, olap).bind(5, csize).bind(6, title).bind(7, descr);
        s.bind(8, lines).bind(9, url).bind(10, author).bind(11, appid).bind(12, appver).bind(13, hwdid);
        s.bind(14, now).step();
    }
    t.commit();
    return ReplyWriter().row().add("id_systems", result).finish();
}

} // namespace host
