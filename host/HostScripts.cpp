// The script catalogue of the host: list with the eight filters, download, title check,
// publish, replace and delete by the owner, ratings.

#include "host/RequestHandler.h"

#include "online/ClientIdentity.h"
#include "online/Conventions.h"

#include <QCoreApplication>

#include <limits>

namespace host {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

// The filters of the catalogue by fltid -1..6, over the columns of the list query.
const char* const kFilters[] = {
    "you = -1",                           // -1 the user's hidden scripts
    "1",                                  // 0 all, hidden ones too
    "you <> -1",                          // 1 all but the hidden ones
    "owner = ?1",                         // 2 the user's own
    "publics > 0 AND you <> -1",          // 3 public ones
    "you > 0",                            // 4 rated by the user
    "you = 0",                            // 5 not rated by the user
    "created >= ?2 AND you <> -1",        // 6 published in the last 24 hours
};

struct Identity
{
    QString appid, appver, hwdid, name;
    int lcid = 0;
};

Identity identity(const RequestFields& f)
{
    Identity id;
    id.appid = f.plain("appid").trimmed();
    id.appver = f.plain("appver").trimmed();
    id.hwdid = f.plain("hwdid").trimmed();
    id.name = f.escaped("cl_name").trimmed();
    id.lcid = f.number("cl_lcid", kIntMin, kIntMax);
    RequestFields::checkPlain("appid", id.appid);
    RequestFields::checkPlain("appver", id.appver);
    RequestFields::checkPlain("cl_name", id.name);
    return id;
}

QString appName(const QString& appid)
{
    return appid.compare(QString::fromLatin1(online::kAppId), Qt::CaseInsensitive) == 0
               ? QString::fromLatin1(online::kAppName)
               : appid;
}

void requireScript(Database& db, int id, QString* owner = nullptr)
{
    Database::Statement s(db, "SELECT owner FROM scripts WHERE id = ?1");
    s.bind(1, id);
    if (!s.step())
        throw HostError(tr("Сценарий #%1 не найден").arg(id));
    if (owner)
        *owner = s.text(0);
}

bool titleTaken(Database& db, const QString& title, int exceptId)
{
    Database::Statement s(db, "SELECT 1 FROM scripts WHERE title_key = ?1 AND id <> ?2");
    s.bind(1, title.trimmed().toLower()).bind(2, exceptId);
    return s.step();
}

} // namespace

QByteArray RequestHandler::scriptsList(const RequestFields& f)
{
    const int filter = f.number("fltid", -1, 6);
    identity(f);
    const QString mail = f.escaped("cl_mail").trimmed();
    const QString owner = mail.toLower();
    const QString sql = QStringLiteral(
                            "SELECT * FROM (SELECT s.id, s.author, s.cl_mail, s.lcid, s.app_name, s.app_ver, "
                            "s.app_guid, s.uniapps, s.publics, s.created, "
                            "(SELECT AVG(rate) FROM rates r WHERE r.script_id = s.id AND r.rate > 0), "
                            "(SELECT COUNT(*) FROM rates r WHERE r.script_id = s.id AND r.rate > 0), "
                            "COALESCE((SELECT rate FROM rates r WHERE r.script_id = s.id AND r.owner = ?1), 0) AS you, "
                            "s.downloads, s.last_download, s.title, s.descr, s.owner AS owner "
                            "FROM scripts s WHERE s.publics > 0 OR s.owner = ?1) WHERE %1 ORDER BY id")
                            .arg(QString::fromLatin1(kFilters[filter + 1]));
    const QByteArray text = sql.toUtf8();
    Database::Statement s(m_db, text.constData());
    s.bind(1, owner.isEmpty() ? QStringLiteral("\n") : owner);
    if (filter == 6)
        s.bind(2, online::UtcText(m_now().addSecs(-24 * 3600)));
    ReplyWriter w;
    while (s.step()) {
        w.row()
            .add("id", s.integer(0))
            .add("key_cl_name", s.text(1))
            .add("key_cl_mail", s.text(2))
            .add("key_cl_lcid", s.integer(3))
            .add("app_name", s.text(4))
            .add("app_ver", s.text(5))
            .add("app_guid", s.text(6))
            .add("uniapps", s.integer(7))
            .add("publics", s.integer(8))
            .add("created", s.text(9))
            .add("rating_avg", s.isNull(10) ? QStringLiteral("0") : QString::number(s.real(10), 'f', 3))
            .add("rating_cnt", s.integer(11))
            .add("rating_you", s.integer(12))
            .add("downloads", s.integer(13))
            .add("last_download", s.text(14))
            .addBase64("title", s.text(15))
            .addBase64("descr", s.text(16));
    }
    return w.finish();
}

QByteArray RequestHandler::scriptData(const RequestFields& f)
{
    const int id = f.number("scr_id", 1, kIntMax);
    Database::Transaction t(m_db);
    Database::Statement s(m_db, "SELECT script FROM scripts WHERE id = ?1");
    s.bind(1, id);
    if (!s.step())
        throw HostError(tr("Сценарий #%1 не найден").arg(id));
    const QString script = s.text(0);
    Database::Statement count(m_db, "UPDATE scripts SET downloads = downloads + 1, last_download = ?2 WHERE id = ?1");
    count.bind(1, id).bind(2, nowText()).step();
    t.commit();
    return ReplyWriter().row().addBase64("script", script).finish();
}

QByteArray RequestHandler::scriptTitleCheck(const RequestFields& f)
{
    const int id = f.number("scr_id", kIntMin, kIntMax);
    const QString title = f.escaped("scr_title").trimmed();
    if (title.isEmpty())
        throw HostError(tr("Название сценария должно быть указано обязательно!"));
    return ReplyWriter().row().add("ret_code", titleTaken(m_db, title, id) ? 1 : 0).finish();
}

QByteArray RequestHandler::scriptPut(const RequestFields& f)
{
    const bool remove = f.number("del_mode", 0, 1) == 1;
    const int id = f.number("scr_id", -1, kIntMax);
    const bool universal = f.number("scr_uniapps", 0, 1) == 1;
    const bool publics = f.number("scr_publics", 0, 1) == 1;
    const QString title = f.escaped("scr_title").trimmed();
    const QString descr = f.escaped("scr_descr");
    const Identity who = identity(f);
    const QString owner = OwnerKey(f);
    const QString mail = f.escaped("cl_mail").trimmed();

    Database::Transaction t(m_db);
    if (id > 0) {
        QString stored;
        requireScript(m_db, id, &stored);
        if (stored != owner)
            throw HostError(remove ? tr("Вы можете удалять только свои сценарии!")
                                   : tr("Вы можете изменять только свои сценарии!"));
    }
    if (remove) {
        if (id <= 0)
            throw HostError(tr("Не указан удаляемый сценарий (scr_id)"));
        Database::Statement d(m_db, "DELETE FROM scripts WHERE id = ?1");
        d.bind(1, id).step();
        t.commit();
        return ReplyWriter().row().add("id_scripts", 0).finish();
    }
    const QString script = f.escaped("scr_script");
    if (title.isEmpty())
        throw HostError(tr("Название сценария должно быть указано обязательно!"));
    if (who.name.isEmpty())
        throw HostError(tr("Имя автора должно быть указано обязательно!"));
    if (script.trimmed().isEmpty())
        throw HostError(tr("Сценарий не содержит ни одной строки"));
    if (titleTaken(m_db, title, id))
        throw HostError(tr("Сценарий с таким названием уже существует!"));

    const QString now = nowText();
    std::int64_t result = id;
    if (id <= 0) {
        Database::Statement s(m_db, "INSERT INTO scripts(title, title_key, descr, script, author, cl_mail, owner, "
                                    "lcid, app_guid, app_name, app_ver, hwdid, uniapps, publics, created) "
                                    "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)");
        s.bind(1, title).bind(2, title.toLower()).bind(3, descr).bind(4, script).bind(5, who.name).bind(6, mail);
        s.bind(7, owner).bind(8, who.lcid).bind(9, who.appid).bind(10, appName(who.appid)).bind(11, who.appver);
        s.bind(12, who.hwdid).bind(13, universal ? 1 : 0).bind(14, publics ? 1 : 0).bind(15, now).step();
        result = m_db.lastInsertId();
    } else {
        Database::Statement s(m_db, "UPDATE scripts SET title = ?2, title_key = ?3, descr = ?4, script = ?5, "
                                    "author = ?6, lcid = ?7, app_guid = ?8, app_name = ?9, app_ver = ?10, "
                                    "hwdid = ?11, uniapps = ?12, publics = ?13, created = ?14 WHERE id = ?1");
        s.bind(1, id).bind(2, title).bind(3, title.toLower()).bind(4, descr).bind(5, script).bind(6, who.name);
        s.bind(7, who.lcid).bind(8, who.appid).bind(9, appName(who.appid)).bind(10, who.appver).bind(11, who.hwdid);
        s.bind(12, universal ? 1 : 0).bind(13, publics ? 1 : 0).bind(14, now).step();
    }
    t.commit();
    return ReplyWriter().row().add("id_scripts", result).finish();
}

QByteArray RequestHandler::scriptRate(const RequestFields& f)
{
    const int id = f.number("scr_id", 1, kIntMax);
    const int rate = f.number("rate_value", -1, 5);
    const QString notes = f.escaped("rate_notes").trimmed();
    RequestFields::checkPlain("rate_notes", notes);
    const Identity who = identity(f);
    const QString owner = OwnerKey(f);

    Database::Transaction t(m_db);
    requireScript(m_db, id);
    if (rate == 0) {
        Database::Statement d(m_db, "DELETE FROM rates WHERE script_id = ?1 AND owner = ?2");
        d.bind(1, id).bind(2, owner).step();
    } else {
        Database::Statement s(m_db, "INSERT INTO rates(script_id, owner, cl_name, rate, notes, created, app_name, "
                                    "app_ver) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) "
                                    "ON CONFLICT(script_id, owner) DO UPDATE SET cl_name = ?3, rate = ?4, "
                                    "notes = ?5, created = ?6, app_name = ?7, app_ver = ?8");
        s.bind(1, id).bind(2, owner).bind(3, who.name).bind(4, rate).bind(5, notes).bind(6, nowText());
        s.bind(7, appName(who.appid)).bind(8, who.appver).step();
    }
    t.commit();
    return ReplyWriter().row().add("res_code", 0).finish();
}

QByteArray RequestHandler::scriptRates(const RequestFields& f)
{
    const int id = f.number("scr_id", 1, kIntMax);
    requireScript(m_db, id);
    Database::Statement s(m_db, "SELECT cl_name, rate, created, app_name, app_ver, notes FROM rates "
                                "WHERE script_id = ?1 AND rate > 0 ORDER BY created, owner");
    s.bind(1, id);
    ReplyWriter w;
    while (s.step()) {
        w.row()
            .add("key_cl_name", s.text(0))
            .add("rate", s.integer(1))
            .add("created", s.text(2))
            .add("app_name", s.text(3))
            .add("app_ver", s.text(4))
            .add("notes", s.text(5));
    }
    return w.finish();
}

} // namespace host
