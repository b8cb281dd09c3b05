#pragma once

// The requests of the online libraries: a form post of fields in code page 1251 to a path of
// the maker's service host, a fresh connection each time (no proxy), and the reply envelope.

#include "net/HttpClient.h"
#include "online/Conventions.h"

#include <QList>
#include <QString>

#include <functional>

namespace online {

struct ServiceAddress
{
    QString baseUrl; // "ServiceUrl": scheme, host and port
    QString caFile;  // an extra certificate bundle trusted besides the system's; may be empty
    net::HttpLimits limits;
    std::function<void()> keepAlive;
};

class ServiceClient
{
public:
    explicit ServiceClient(ServiceAddress address) : m_address(std::move(address)) {}

    const ServiceAddress& address() const { return m_address; }
    // The full address of a path of the host.
    QString url(const char* path) const;
    // Posts the fields ("name=value" bytes) and reads the envelope. False with a message ready
    // to show when no address is set, the request failed or a row holds an error.
    bool post(const char* path, const QList<QByteArray>& fields, Reply& reply, QString* error) const;

private:
    ServiceAddress m_address;
};

} // namespace online
