#include "app/Session.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/ExportController.h"
#include "app/RatingsController.h"
#include "app/ScriptController.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/SystemsController.h"
#include "app/TablesController.h"
#include "app/UpdateController.h"
#include "app/ViewsController.h"
#include "app/WebController.h"

namespace app {

Session::Session(UserIo& io, core::DataFolder folder, QStringList arguments, QObject* parent)
    : QObject(parent), m_services(io, std::move(folder), std::move(arguments))
{
    Services& s = m_services;
    m_archive = std::make_unique<ArchiveController>(s);
    // The configuration dialog shows the web client's network settings, which is built later.
    m_statistics = std::make_unique<StatisticsController>(
        s, *m_archive, [this]() -> const net::NetworkSettings& { return m_web->network(); });
    m_candidates = std::make_unique<CandidatesController>(s, *m_archive, *m_statistics);
    m_ratings = std::make_unique<RatingsController>(s);
    m_stakes = std::make_unique<StakesController>(s, *m_ratings, *m_archive, *m_candidates, *m_statistics);
    m_tables = std::make_unique<TablesController>(s, *m_archive, *m_candidates, *m_stakes);
    m_web = std::make_unique<WebController>(s, *m_archive, *m_stakes);
    m_script =
        std::make_unique<ScriptController>(s, *m_archive, *m_candidates, *m_statistics, *m_stakes, *m_ratings, *m_web);
    m_views = std::make_unique<ViewsController>(s, *m_archive, *m_statistics, *m_candidates);
    m_export = std::make_unique<ExportController>(s, *m_archive, *m_candidates, *m_statistics, *m_stakes, *m_ratings,
                                                  *m_views);
    m_systems = std::make_unique<SystemsController>(s, *m_archive, *m_candidates, *m_statistics, *m_stakes, *m_web);
    m_update = std::make_unique<UpdateController>(s, *m_web);
    wire();
}

Session::~Session() = default;

void Session::wire()
{
    // After the statistics table, the pages of graphs, card, layout and week follow the archive.
    connect(m_archive.get(), &ArchiveController::pagesRecalculated, m_views.get(), &ViewsController::recalc);
    // A draw typed in by hand checks the stakes waiting for it, as a download does.
    connect(m_archive.get(), &ArchiveController::drawEnteredByHand, m_stakes.get(), [this]() {
        m_stakes->checkAndSave();
        m_stakes->refresh(true, false);
    });
    // Network settings accepted in the configuration dialog reach the web client and the systems.
    connect(m_statistics.get(), &StatisticsController::networkEdited, this,
            [this](const net::NetworkSettings& network) {
                m_web->setNetwork(network);
                m_systems->useSettings(m_web->network());
            });
}

QString Session::statusPanel(int panel) const
{
    switch (panel) {
    case 0:
        return tr("Архив тиражей: %1").arg(m_archive->draws().size());
    case 1:
        return tr("Следующий тираж: %1").arg(m_archive->nextDrawNum(m_archive->offset()));
    case 2:
        return m_archive->nextDrawText(m_archive->offset());
    case 3:
        return tr("Комбинаций: %1").arg(m_candidates->combs().size());
    case 4:
        return m_stakes->panelText();
    case 5:
        return m_ratings->panelText();
    case 6:
        return m_services.statusText();
    default:
        return {};
    }
}

bool Session::canClose()
{
    return m_script->canClose();
}

} // namespace app
