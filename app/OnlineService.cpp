#include "app/OnlineService.h"

#include "app/Session.h"
#include "app/WebController.h"

namespace app {

std::optional<OnlineService> OpenOnlineService(Session& session, int lcid, QString& error)
{
    online::ClientIdentity identity;
    if (!online::LoadClientIdentity(session.folder().configFile(), lcid, identity, &error))
        return std::nullopt;
    online::ServiceAddress address;
    address.baseUrl = session.web().network().ServiceUrl;
    address.caFile = session.web().caFilePath();
    address.keepAlive = [&session] { session.io().keepAlive(); };
    return OnlineService{online::ServiceClient(std::move(address)), std::move(identity)};
}

} // namespace app
