#pragma once

// The library of wheeling systems on the maker's service host: the list, the lines of one
// system, publishing, editing and deleting; and the local file a downloaded system becomes.

#include "online/ClientIdentity.h"
#include "online/ServiceClient.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace online {

// One system of the library, named after the keys of the requests.
struct tSystemData
{
    std::int32_t id = 0; // library identifier; 0 not yet published, below 0 a placeholder
    std::uint8_t nums = 0;
    std::uint8_t olap = 0; // block length 0..4
    std::int32_t csize = 0;
    QString title;
    QString author;
    QString cl_mail; // decides which systems are the user's own
    QString descr;
    QDateTime created;       // local time; invalid = 0
    std::int32_t downloads = 0;
    QDateTime last_download; // local time; invalid = never
    QString url;
    QString clist; // the lines, fetched only when needed
};
// The rows of the list own records of the same layout.
using tSystemInfo = tSystemData;

inline constexpr int kSystemCombLen = 5;
inline constexpr int kSystemMaxNums = 54;

class SystemsLibrary
{
public:
    SystemsLibrary(ServiceClient client, ClientIdentity identity)
        : m_client(std::move(client)), m_identity(std::move(identity))
    {
    }

    const ClientIdentity& identity() const { return m_identity; }

    // sys_getlist: one record per reply row. hasResult is false when the reply held no result
    // at all. False with the message for a failed request, an error row or a bad number or time.
    bool list(std::vector<tSystemData>& systems, bool* hasResult, QString* error) const;
    // sys_getdata: the decoded lines of the first row with a "<clist>", or empty.
    bool fetchLines(std::int32_t id, QString& lines, QString* error) const;
    // sys_putdata: the first "<id_systems>" that is an integer >= 0, or -1 (error set).
    std::int32_t upload(const tSystemData& system, bool remove, QString* error) const;

    // The fields of the requests, in order, for the tests to compare with what a host saw.
    QList<QByteArray> listFields() const;
    QList<QByteArray> uploadFields(const tSystemData& system, bool remove) const;

private:
    ServiceClient m_client;
    ClientIdentity m_identity;
};

// The lines of a system as the library sends and the local file keeps them: text lines with the
// last empty one dropped.
QStringList SystemLines(const QString& text);

// Stores a downloaded system in the folder (created when missing) as "5-NN-B_IIII.dat": the
// lines in code page 1251 with CR LF, the file's times set to created. The line count must
// equal csize and every line must hold five positions 1..nums, or nothing is written. Every
// other file of the folder for the same nums is deleted afterwards (its name in removed). False
// with the message when the system could not be stored.
bool StoreSystemFile(const QString& folder, const tSystemData& system, const QString& lines, QString* path,
                     QStringList* removed, QString* error);

} // namespace online
