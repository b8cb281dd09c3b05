#include "online/SystemsLibrary.h"

#include "core/Cp1251.h"

#include <QCoreApplication>

namespace online {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("online", text);
}

bool readSystem(const ReplyRow& row, tSystemData& s, QString* error)
{
    std::int32_t nums = 0, olap = 0;
    if (!ReadInt(row, "id", s.id, error) || !ReadInt(row, "nums", nums, error) || !ReadInt(row, "olap", olap, error) ||
        !ReadInt(row, "csize", s.csize, error) || !ReadInt(row, "downloads", s.downloads, error))
        return false;
    if (nums < 0 || nums > 255) {
        if (error)
            *error = BadValueText("nums", row.value("nums"));
        return false;
    }
    if (olap < 0 || olap > 255) {
        if (error)
            *error = BadValueText("olap", row.value("olap"));
        return false;
    }
    s.nums = nums;
    s.olap = olap;
    if (!ReadBase64(row, "title", s.title, error) || !ReadBase64(row, "descr", s.descr, error) ||
        !ReadTime(row, "created", s.created, error) || !ReadTime(row, "last_download", s.last_download, error))
        return false;
    s.author = row.text("author");
    s.cl_mail = row.text("cl_mail");
    s.url = row.text("url");
    return true;
}

} // namespace

QList<QByteArray> SystemsLibrary::listFields() const
{
    QList<QByteArray> fields{"comblen=" + QByteArray::number(kSystemCombLen),
                             "maxnums=" + QByteArray::number(kSystemMaxNums)};
    fields += IdentityFields(m_identity);
    return fields;
}

bool SystemsLibrary::list(std::vector<tSystemData>& systems, bool* hasResult, QString* error) const
{
    systems.clear();
    if (hasResult)
        *hasResult = false;
    Reply reply;
    if (!m_client.post("/scripts/sys_getlist.php", listFields(), reply, error))
        return false;
    std::vector<tSystemData> read;
    read.reserve(reply.rows.size());
    for (const ReplyRow& row : reply.rows) {
        tSystemData s;
        if (!readSystem(row, s, error))
            return false;
        read.push_back(std::move(s));
    }
    systems = std::move(read);
    if (hasResult)
        *hasResult = reply.hasResult && !systems.empty();
    return true;
}

bool SystemsLibrary::fetchLines(std::int32_t id, QString& lines, QString* error) const
{
    lines.clear();
    Reply reply;
    if (!m_client.post("/scripts/sys_getdata.php", {"sys_id=" + QByteArray::number(id)}, reply, error))
        return false;
    for (const ReplyRow& row : reply.rows) {
        const QByteArray clist = row.value("clist");
        if (clist.trimmed().isEmpty())
            continue;
        return ReadBase64(row, "clist", lines, error);
    }
    return true;
}

QList<QByteArray> SystemsLibrary::uploadFields(const tSystemData& s, bool remove) const
{
    // The lines go as one text with CR LF, escaped, then Base64.
    const QString text = TextLines(s.clist).join(QStringLiteral("\r\n"));
    QList<QByteArray> fields{
        remove ? QByteArray("del_mode=1") : QByteArray("del_mode=0"),
        "sys_id=" + QByteArray::number(s.id),
        "nums=" + QByteArray::number(s.nums),
        "clen=" + QByteArray::number(kSystemCombLen),
        "olap=" + QByteArray::number(s.olap),
        "title=" + EscapedText(s.title),
        "descr=" + EscapedText(s.descr),
        "csize=" + QByteArray::number(s.csize),
        remove ? QByteArray("clist=") : "clist=" + EscapedText(text).toBase64(),
        "url=" + cp1251::encode(s.url),
    };
    fields += IdentityFields(m_identity, s.author, s.cl_mail, m_identity.cl_lcid);
    return fields;
}

std::int32_t SystemsLibrary::upload(const tSystemData& system, bool remove, QString* error) const
{
    Reply reply;
    if (!m_client.post("/scripts/sys_putdata.php", uploadFields(system, remove), reply, error))
        return -1;
    for (const ReplyRow& row : reply.rows) {
        const auto id = row.integer("id_systems");
        if (id && *id >= 0)
            return *id;
    }
    if (error)
        *error = tr("Сервер не вернул идентификатор системы.");
    return -1;
}

} // namespace online
