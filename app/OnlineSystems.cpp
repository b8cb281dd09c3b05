#include "app/OnlineSystems.h"

#include "app/OnlineService.h"
#include "online/SystemsLibrary.h"

namespace app {

std::optional<online::SystemsLibrary> OnlineSystemsLibrary::open(QString& error) const
{
    auto service = OpenOnlineService(m_services, m_web, m_lcid, error);
    if (!service)
        return std::nullopt;
    return online::SystemsLibrary(std::move(service->client), std::move(service->identity));
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
