#pragma once

// The analysis half of the program built from its parts, without a session: the shared services,
// the archive, the statistics and the candidate list, each handed what it uses, as a test of one
// of them needs them.

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/Services.h"
#include "app/StatisticsController.h"
#include "core/Settings.h"
#include "net/NetSettings.h"

namespace testsupport {

struct AnalysisParts
{
    AnalysisParts(app::UserIo& io, const core::DataFolder& folder)
        : services(io, folder), archive(services),
          statistics(services, archive, [this]() -> const net::NetworkSettings& { return network; }),
          candidates(services, archive, statistics)
    {
    }

    // The settings of the configuration file (the defaults where it has none) and the method
    // list built from them with the names file.
    void prepare()
    {
        const QString path = services.folder().configFile();
        core::TGenSettings gen;
        core::TConfigData config;
        core::TShreddingData shredding;
        core::GenSettingsLoad(path, gen);
        core::ConfigLoad(path, config);
        core::ShreddingLoad(path, shredding);
        candidates.setGenSettings(gen);
        statistics.list().setConfig(config);
        statistics.list().setShredding(shredding);
        statistics.fill();
    }

    // What the configuration dialog shows as the network settings.
    net::NetworkSettings network;
    app::Services services;
    app::ArchiveController archive;
    app::StatisticsController statistics;
    app::CandidatesController candidates;
};

} // namespace testsupport
