#include "app/OnlineSystems.h"

#include "app/Session.h"
#include "app/WebController.h"
#include "online/SystemsLibrary.h"

namespace app {

std::optional<online::SystemsLibrary> OnlineSystemsLibrary::open(QString& error) const
{
    online::ClientIdentity identity;
    if (!online::LoadClientIdentity(m_session.folder().configFile(), m_lcid, identity, &error))
        return std::nullopt;
    online::ServiceAddress address;
    address.baseUrl = m_session.web().network().ServiceUrl;
    address.caFile = m_session.web().caFilePath();
    address.keepAlive = [&session = m_session] { session.io().keepAlive(); };
    return online::SystemsLibrary(online::ServiceClient(std::move(address)), std::move(identity));
}

std::optional<std::vector<stakes::tSystemData>> OnlineSystemsLibrary::list(QString& error)
{
    const auto library = open(error);
    if (!library)
        return std::nullopt;
    std::vector<stakes::tSystemData> systems;
    if (!library->list(systems, nullptr, &error))
        return std::nullopt;
    return systems;
}

std::optional<QString> OnlineSystemsLibrary::fetchLines(const stakes::tSystemData& system, QString& error)
{
    const auto library = open(error);
    if (!library)
        return std::nullopt;
    QString lines;
    if (!library->fetchLines(system.id, lines, &error))
        return std::nullopt;
    return lines;
}

int OnlineSystemsLibrary::upload(const stakes::tSystemData& system, bool remove, QString& error)
{
    const auto library = open(error);
    if (!library)
        return -1;
    return library->upload(system, remove, &error);
}

} // namespace app
