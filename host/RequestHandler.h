#pragma once

// The libraries of the stand-in service host: every request path of the wheeling systems and
// the scripts, answered from the database in the reply envelope of the online libraries. The
// e-mail a request carries decides ownership: only the owner replaces or deletes an entry.
// Works without sockets: fields in, reply text out.

#include "host/Database.h"
#include "host/RequestFields.h"

#include <QByteArray>
#include <QDateTime>

#include <functional>
#include <mutex>
#include <string>

namespace host {

// Builds "<result><row>...</row>...</result>".
class ReplyWriter
{
public:
    ReplyWriter& row();
    ReplyWriter& add(const char* name, const QString& text);
    ReplyWriter& add(const char* name, std::int64_t value);
    ReplyWriter& addBase64(const char* name, const QString& text);
    QByteArray finish();

private:
    QByteArray m_text;
    bool m_open = false;
};

class RequestHandler
{
public:
    explicit RequestHandler(Database& db);

    // The clock of the replies and of the filter of new scripts; the tests fix it.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // True for the paths this handler answers ("/scripts/sys_getlist.php", ...).
    static bool knows(const std::string& path);
    // Answers one request. Never throws: every failure is one row with its "<error>".
    QByteArray handle(const std::string& path, const FormFields& fields);

private:
    QByteArray systemsList(const RequestFields& f);
    QByteArray systemData(const RequestFields& f);
    QByteArray systemPut(const RequestFields& f);
    QByteArray scriptsList(const RequestFields& f);
    QByteArray scriptData(const RequestFields& f);
    QByteArray scriptTitleCheck(const RequestFields& f);
    QByteArray scriptPut(const RequestFields& f);
    QByteArray scriptRate(const RequestFields& f);
    QByteArray scriptRates(const RequestFields& f);

    QString nowText() const;

    Database& m_db;
    std::mutex m_mutex;
    std::function<QDateTime()> m_now;
};

// The owner key of an e-mail: trimmed, lower case. An empty address is refused.
QString OwnerKey(const RequestFields& f);

} // namespace host
