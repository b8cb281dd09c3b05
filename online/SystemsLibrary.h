#pragma once

// The library of wheeling systems on the maker's service host: the list, the lines of one
// system, publishing, editing and deleting. Storing a downloaded system is stakes::SystemStore.

#include "online/ClientIdentity.h"
#include "online/ServiceClient.h"
#include "stakes/SystemFile.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace online {

// One system of the library: the record the systems page keeps in its rows.
using tSystemData = stakes::tSystemData;

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

} // namespace online
