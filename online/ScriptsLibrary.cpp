#include "online/ScriptsLibrary.h"

#include <QCoreApplication>

#include <cmath>

namespace online {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("online", text);
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// A 0/1 switch of a row: anything above 0 is on; missing is off.
bool readSwitch(const ReplyRow& row, const char* name, bool& out, QString* error)
{
    std::int32_t v = 0;
    if (!ReadIntOr(row, name, 0, v, error))
        return false;
    out = v > 0;
    return true;
}

bool readScript(const ReplyRow& row, int requestLcid, tScriptInfo& s, QString* error)
{
    if (!ReadInt(row, "id", s.id, error) || !ReadIntOr(row, "key_cl_lcid", requestLcid, s.lcid, error) ||
        !readSwitch(row, "uniapps", s.universal, error) || !readSwitch(row, "publics", s.publics, error) ||
        !ReadIntOr(row, "rating_cnt", 0, s.rating_cnt, error) || !ReadIntOr(row, "rating_you", 0, s.rating_you, error) ||
        !ReadIntOr(row, "downloads", 0, s.downloads, error) || !ReadTime(row, "created", s.created, error) ||
        !ReadTime(row, "last_download", s.last_download, error) || !ReadBase64(row, "title", s.title, error) ||
        !ReadBase64(row, "descr", s.descr, error))
        return false;
    if (s.rating_you < -1 || s.rating_you > 5)
        return fail(error, BadValueText("rating_you", row.value("rating_you")));
    s.author = row.text("key_cl_name");
    s.cl_mail = row.text("key_cl_mail");
    s.app_name = row.text("app_name");
    s.app_ver = row.text("app_ver");
    s.app_guid = row.text("app_guid");
    s.rating = ScriptRatingValue(row.value("rating_avg"));
    return true;
}

} // namespace

double ScriptRatingValue(const QByteArray& text)
{
    QByteArray t = text.trimmed();
    t.replace(',', '.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

void ScriptsLibrary::mark(tScriptInfo& row) const
{
    row.own = SameMail(row.cl_mail, m_identity.cl_mail);
    row.usable = row.universal || (!row.app_guid.trimmed().isEmpty() &&
                                   row.app_guid.trimmed().compare(m_identity.appid, Qt::CaseInsensitive) == 0);
    row.ownUsable = row.own && row.usable;
}

QList<QByteArray> ScriptsLibrary::listFields(int filter) const
{
    QList<QByteArray> fields{"fltid=" + QByteArray::number(filter - 1)};
    fields += IdentityFields(m_identity);
    return fields;
}

bool ScriptsLibrary::list(int filter, std::vector<tScriptInfo>& rows, bool* hasResult, QString* error) const
{
    rows.clear();
    if (hasResult)
        *hasResult = false;
    if (filter < 0 || filter >= kScriptFilterCount)
        return fail(error, tr("Неизвестный фильтр каталога: %1").arg(filter));
    Reply reply;
    if (!m_client.post("/scripts/scr_getlist.php", listFields(filter), reply, error))
        return false;
    std::vector<tScriptInfo> read;
    read.reserve(reply.rows.size());
    for (const ReplyRow& row : reply.rows) {
        tScriptInfo s;
        if (!readScript(row, m_identity.cl_lcid, s, error))
            return false;
        mark(s);
        read.push_back(std::move(s));
    }
    rows = std::move(read);
    if (hasResult)
        *hasResult = reply.hasResult;
    return true;
}

bool ScriptsLibrary::fetchScript(std::int32_t id, std::optional<QString>& text, QString* error) const
{
    text.reset();
    Reply reply;
    if (!m_client.post("/scripts/scr_getdata.php", {"scr_id=" + QByteArray::number(id)}, reply, error))
        return false;
    for (const ReplyRow& row : reply.rows) {
        if (!row.text().trimmed().startsWith("<script>"))
            continue;
        QString decoded;
        if (!ReadBase64(row, "script", decoded, error))
            return false;
        text = std::move(decoded);
        return true;
    }
    return true;
}

bool ScriptsLibrary::checkTitle(std::int32_t id, const QString& title, std::optional<bool>& free, QString* error) const
{
    free.reset();
    Reply reply;
    const QList<QByteArray> fields{"scr_id=" + QByteArray::number(id), "scr_title=" + EscapedText(title)};
    if (!m_client.post("/scripts/scr_chktitle.php", fields, reply, error))
        return false;
    for (const ReplyRow& row : reply.rows) {
        if (!row.has("ret_code"))
            continue;
        std::int32_t code = 0;
        if (!ReadInt(row, "ret_code", code, error))
            return false;
        free = code == 0;
        return true;
    }
    return true;
}

QList<QByteArray> ScriptsLibrary::putFields(const tScriptData& data, const QStringList* lines) const
{
    QList<QByteArray> fields{
        lines ? QByteArray("del_mode=0") : QByteArray("del_mode=1"),
        "scr_id=" + QByteArray::number(data.id),
        data.universal ? QByteArray("scr_uniapps=1") : QByteArray("scr_uniapps=0"),
        data.publics ? QByteArray("scr_publics=1") : QByteArray("scr_publics=0"),
        "scr_title=" + EscapedText(data.title),
        "scr_descr=" + EscapedText(data.descr),
    };
    // The lines go as one text with CR LF, escaped but not Base64.
    if (lines)
        fields += "scr_script=" + EscapedText(lines->join(QStringLiteral("\r\n")));
    fields += IdentityFields(m_identity, data.author, m_identity.cl_mail, data.lcid);
    return fields;
}

bool ScriptsLibrary::put(const tScriptData& data, const QStringList* lines, std::optional<std::int32_t>& id,
                         QString* error) const
{
    id.reset();
    Reply reply;
    if (!m_client.post("/scripts/scr_putscript.php", putFields(data, lines), reply, error))
        return false;
    for (const ReplyRow& row : reply.rows) {
        if (!row.has("id_scripts"))
            continue;
        std::int32_t v = 0;
        if (!ReadInt(row, "id_scripts", v, error))
            return false;
        id = v;
    }
    return true;
}

bool ScriptsLibrary::publish(const tScriptData& data, const QStringList& lines, std::optional<std::int32_t>& id,
                             QString* error) const
{
    return put(data, &lines, id, error);
}

bool ScriptsLibrary::remove(const tScriptData& data, std::optional<std::int32_t>& id, QString* error) const
{
    return put(data, nullptr, id, error);
}

QList<QByteArray> ScriptsLibrary::rateFields(std::int32_t id, int value, const QString& notes) const
{
    QList<QByteArray> fields{"scr_id=" + QByteArray::number(id), "rate_value=" + QByteArray::number(value),
                             "rate_notes=" + EscapedText(notes)};
    fields += IdentityFields(m_identity);
    return fields;
}

bool ScriptsLibrary::rate(std::int32_t id, int value, const QString& notes, QString* error) const
{
    if (value < -1 || value > 5)
        return fail(error, tr("Недопустимая оценка: %1").arg(value));
    Reply reply;
    if (!m_client.post("/scripts/scr_setrate.php", rateFields(id, value, notes), reply, error))
        return false;
    for (const ReplyRow& row : reply.rows) {
        if (!row.has("res_code"))
            continue;
        std::int32_t code = 0;
        if (!ReadInt(row, "res_code", code, error))
            return false;
        if (code < 0)
            return fail(error, tr("Код возврата: %1").arg(code));
    }
    return true;
}

bool ScriptsLibrary::rates(std::int32_t id, std::vector<tScriptRate>& rates, bool* hasResult, QString* error) const
{
    rates.clear();
    if (hasResult)
        *hasResult = false;
    Reply reply;
    if (!m_client.post("/scripts/scr_getrates.php", {"scr_id=" + QByteArray::number(id)}, reply, error))
        return false;
    std::vector<tScriptRate> read;
    read.reserve(reply.rows.size());
    for (const ReplyRow& row : reply.rows) {
        tScriptRate r;
        if (!ReadTime(row, "created", r.created, error))
            return false;
        r.cl_name = row.text("key_cl_name");
        r.rate = row.text("rate").trimmed();
        r.app_name = row.text("app_name");
        r.app_ver = row.text("app_ver");
        r.notes = row.text("notes");
        read.push_back(std::move(r));
    }
    rates = std::move(read);
    if (hasResult)
        *hasResult = reply.hasResult;
    return true;
}

} // namespace online
