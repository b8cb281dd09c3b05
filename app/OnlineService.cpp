#include "app/OnlineService.h"

#include "app/Services.h"
#include "app/WebController.h"

namespace app {

std::optional<OnlineService> OpenOnlineService(Services& services, const WebController& web, int lcid, QString& error)
{
    online::ClientIdentity identity;
    if (!online::LoadClientIdentity(services.folder().configFile(), lcid, identity, &error))
        return std::nullopt;
    online::ServiceAddress address;
    address.baseUrl = web.network().ServiceUrl;
    address.caFile = web.caFilePath();
    address.keepAlive = [&services] { services.io().keepAlive(); };
    return OnlineService{online::ServiceClient(std::move(address)), std::move(identity)};
}

} // namespace app
