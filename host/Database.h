#pragma once

// The host's storage: one SQLite file in write-ahead-log mode with full syncs, so every
// committed change survives a kill of the process at any moment. A thin wrapper that turns
// SQLite's failures into exceptions the request handler answers with an error row.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace host {

// A failure of the storage or of a request, with the text the reply carries.
class HostError : public std::runtime_error
{
public:
    explicit HostError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

class Database
{
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens (creating when missing) the file and brings its tables up to date. False with the
    // reason when that fails.
    bool open(const QString& path, QString* error);
    bool isOpen() const { return m_db != nullptr; }

    void exec(const char* sql);
    std::int64_t lastInsertId() const;
    int changes() const;
    // "ok" when the file is sound.
    QString integrityCheck();

    class Statement
    {
    public:
        Statement(Database& db, const char* sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        // Parameters count from 1.
        Statement& bind(int index, const QString& text);
        Statement& bind(int index, std::int64_t value);
        Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
        // True while a row is there; false when done.
        bool step();
        QString text(int column) const;
        std::int64_t integer(int column) const;
        double real(int column) const;
        bool isNull(int column) const;

    private:
        Database& m_db;
        sqlite3_stmt* m_stmt = nullptr;
    };

    // BEGIN IMMEDIATE on construction; rolled back unless commit() ran.
    class Transaction
    {
    public:
        explicit Transaction(Database& db);
        ~Transaction();
        void commit();

    private:
        Database& m_db;
        bool m_done = false;
    };

private:
    [[noreturn]] void fail(const char* what) const;

    sqlite3* m_db = nullptr;
};

} // namespace host
