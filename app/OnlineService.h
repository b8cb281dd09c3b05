#pragma once

// The maker's service host as the settings name it at this moment: its address, the extra
// certificate file and the user's identity. The online libraries open it for every request, so
// a change in the parameters dialog counts at once.

#include "online/ClientIdentity.h"
#include "online/ServiceClient.h"

#include <QString>

#include <optional>

namespace app {

class Services;
class WebController;

struct OnlineService
{
    online::ServiceClient client;
    online::ClientIdentity identity;
};

// The requests name the interface language lcid. While a request waits, the window stays
// alive through the person's door. nullopt with the reason when the configuration cannot
// be read.
std::optional<OnlineService> OpenOnlineService(Services& services, const WebController& web, int lcid, QString& error);

} // namespace app
