#pragma once

// The library of wheeling systems on the maker's service host as the systems page needs it.
// Each request takes the service address, the certificate file and the user's identity from
// the settings as they are at that moment, so a change in the parameters dialog counts at once.

#include "app/SystemsController.h"

namespace online {
class SystemsLibrary;
}

namespace app {

class Services;
class WebController;

class OnlineSystemsLibrary : public SystemsLibrary
{
public:
    OnlineSystemsLibrary(Services& services, const WebController& web) : m_services(services), m_web(web) {}

    // The interface language the requests name (cl_lcid).
    void setLanguage(int lcid) { m_lcid = lcid; }

    std::optional<std::vector<stakes::tSystemData>> list(QString& error) override;
    std::optional<QString> fetchLines(const stakes::tSystemData& system, QString& error) override;
    int upload(const stakes::tSystemData& system, bool remove, QString& error) override;

private:
    std::optional<online::SystemsLibrary> open(QString& error) const;

    Services& m_services;
    const WebController& m_web;
    int m_lcid = 1049;
};

} // namespace app
