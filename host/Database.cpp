#include "host/Database.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace host {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("host", text);
}

const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS systems(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    nums INTEGER NOT NULL, clen INTEGER NOT NULL, olap INTEGER NOT NULL, csize INTEGER NOT NULL,
    title TEXT NOT NULL, descr TEXT NOT NULL, clist TEXT NOT NULL, url TEXT NOT NULL,
    author TEXT NOT NULL, cl_mail TEXT NOT NULL, owner TEXT NOT NULL,
    appid TEXT NOT NULL, appver TEXT NOT NULL, hwdid TEXT NOT NULL,
    created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS scripts(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    title TEXT NOT NULL, title_key TEXT NOT NULL, descr TEXT NOT NULL, script TEXT NOT NULL,
    author TEXT NOT NULL, cl_mail TEXT NOT NULL, owner TEXT NOT NULL, lcid INTEGER NOT NULL,
    app_guid TEXT NOT NULL, app_name TEXT NOT NULL, app_ver TEXT NOT NULL, hwdid TEXT NOT NULL,
    uniapps INTEGER NOT NULL, publics INTEGER NOT NULL,
    created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS rates(
    script_id INTEGER NOT NULL REFERENCES scripts(id) ON DELETE CASCADE,
    owner TEXT NOT NULL, cl_name TEXT NOT NULL, rate INTEGER NOT NULL, notes TEXT NOT NULL,
    created TEXT NOT NULL, app_name TEXT NOT NULL, app_ver TEXT NOT NULL,
    PRIMARY KEY(script_id, owner));
)sql";

} // namespace

Database::~Database()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

bool Database::open(const QString& path, QString* error)
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    const QByteArray file = path.toUtf8();
    if (sqlite3_open_v2(file.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        if (error)
            *error = tr("Не удалось открыть базу данных \"%1\": %2")
                         .arg(path, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "out of memory"));
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    try {
        // The log mode is kept in the file; full syncs make a commit durable before it is answered.
        exec("PRAGMA journal_mode=WAL");
        exec("PRAGMA synchronous=FULL");
        exec("PRAGMA foreign_keys=ON");
        Transaction t(*this);
        exec(kSchema);
        t.commit();
    } catch (const HostError& e) {
        if (error)
            *error = tr("Не удалось подготовить базу данных \"%1\": %2").arg(path, e.message());
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    return true;
}

void Database::fail(const char* what) const
{
    throw HostError(tr("Ошибка базы данных (%1): %2")
                        .arg(QString::fromLatin1(what), QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "closed")));
}

void Database::exec(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : "?");
        sqlite3_free(message);
        throw HostError(tr("Ошибка базы данных: %1").arg(text));
    }
}

std::int64_t Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

QString Database::integrityCheck()
{
    Statement s(*this, "PRAGMA integrity_check");
    return s.step() ? s.text(0) : QString();
}

Database::Statement::Statement(Database& db, const char* sql) : m_db(db)
{
    if (sqlite3_prepare_v2(db.m_db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
        db.fail("prepare");
}

Database::Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Database::Statement& Database::Statement::bind(int index, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    if (sqlite3_bind_text(m_stmt, index, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT) !=
        SQLITE_OK)
        m_db.fail("bind");
    return *this;
}

Database::Statement& Database::Statement::bind(int index, std::int64_t value)
{
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        m_db.fail("bind");
    return *this;
}

bool Database::Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.fail("step");
}

QString Database::Statement::text(int column) const
{
    const auto* p = sqlite3_column_text(m_stmt, column);
    return p ? QString::fromUtf8(reinterpret_cast<const char*>(p), sqlite3_column_bytes(m_stmt, column)) : QString();
}

std::int64_t Database::Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double Database::Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

bool Database::Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

Database::Transaction::Transaction(Database& db) : m_db(db)
{
    m_db.exec("BEGIN IMMEDIATE");
}

Database::Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const HostError&) {
        }
    }
}

void Database::Transaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
}

} // namespace host
