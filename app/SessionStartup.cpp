// Start-up and shutdown of the session, step by step in the order the program depends on.
// Steps whose subsystems arrive later are kept as named places so the order stays visible.

#include "app/Session.h"

#include "app/ArchiveController.h"
#include "app/CandidatesController.h"
#include "app/OnlineScripts.h"
#include "app/ProcessList.h"
#include "app/RatingsController.h"
#include "app/ScriptController.h"
#include "app/StakesController.h"
#include "app/StatisticsController.h"
#include "app/SystemsController.h"
#include "app/TablesController.h"
#include "app/UpdateController.h"
#include "app/ViewsController.h"
#include "app/WebController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace app {

namespace {

QString errorText(const std::exception& e)
{
    if (const auto* convert = dynamic_cast<const core::EConvertError*>(&e))
        return convert->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

void Session::create()
{
    try {
        // Combination list and undo copy start empty; the random generator is seeded by Qt.
        // Cached views and run flags start clean.
        m_archive->setBatchMode(false);
        readWindowState();
        m_views->readState();
        prepareStatistics();
    } catch (const std::exception& e) {
        m_services.showError(tr("Ошибка запуска программы!\n\n%1").arg(errorText(e)));
    }
}

void Session::prepareStatistics()
{
    loadConfiguration();
    // The method list is built from the settings just read; user names and favourites come
    // from the names file.
    m_statistics->fill();
}

bool Session::waitForOldInstance()
{
    if (!m_services.hasCommandWord(QStringLiteral("restart")))
        return true;
    return WaitForProcessesToEnd(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

void Session::readWindowState()
{
    try {
        core::IniFile ini(folder().stateFile());
        WindowStateData& state = m_services.windowState();
        // A file that cannot be read gives the defaults and is not overwritten.
        const bool readable = ini.load();
        const QString& section = core::kMainWindowSection;
        state.DrawsExclude = std::max(0, ini.readInt(section, QStringLiteral("DrawsExclude"), 0));
        state.ColorDraws = ini.readBool(section, QStringLiteral("ColorDraws"), true);
        state.ColorCombs = ini.readBool(section, QStringLiteral("ColorCombs"), true);
        state.SortedDraws = ini.readBool(section, QStringLiteral("SortedDraws"), false);
        state.PrefetchsEnabled = ini.readBool(section, QStringLiteral("PrefetchsEnabled"), false);
        state.PrefetchsInit = ini.readBool(section, QStringLiteral("PrefetchsInit"), false);
        state.ShowTotalLine = ini.readBool(section, QStringLiteral("ShowTotalLine"), true);
        state.FirstRun = ini.readBool(section, QStringLiteral("FirstRun"), false);
        m_stakes->readState(ini);
        m_tables->readState(ini);
        m_ratings->readState(ini);
        m_script->readState(ini.readBool(section, QStringLiteral("ScriptLogEnabled"), false));
        m_web->readState(ini);
        m_systems->readState(ini);
        m_script->library().readState(ini);
        m_update->readState(ini);
        if (!state.PrefetchsInit && readable) {
            state.PrefetchsInit = true;
            ini.writeBool(section, QStringLiteral("PrefetchsInit"), true);
            ini.writeBool(section, QStringLiteral("PrefetchsEnabled"), state.PrefetchsEnabled);
            QString error;
            if (!ini.save(&error))
                m_services.showError(tr("Ошибка записи параметров программы!\n\n%1").arg(error));
        }
    } catch (const std::exception& e) {
        m_services.showError(tr("Ошибка загрузки параметров программы!\n\n%1").arg(errorText(e)));
    }
}

void Session::loadConfiguration()
{
    BusyScope busy(m_services, tr("Загрузка файла конфигурации..."));
    const QString path = folder().configFile();
    core::TGenSettings genSettings;
    QString error;
    core::TConfigData config;
    core::TShreddingData shredding;
    if (!core::GenSettingsLoad(path, genSettings, &error) || !core::ConfigLoad(path, config, &error) ||
        !core::ShreddingLoad(path, shredding, &error)) {
        m_services.showError(tr("Ошибка чтения файла конфигурации!\n\n%1").arg(error));
    }
    m_candidates->setGenSettings(genSettings);
    m_statistics->list().setConfig(config);
    m_statistics->list().setShredding(shredding);
    m_web->loadSettings();
    m_systems->useSettings(m_web->network());
}

bool Session::takeExclusiveHold()
{
    QString error;
    if (m_hold.open(folder().lockFile(), &error))
        return true;
    m_services.showError(tr("Невозможно получить монопольный доступ к файлам данных!\n\n"
                            "Возможные причины данной ошибки: \n\n"
                            "1) Вы пытаетесь запустить вторую копию программы из одного и того же каталога. "
                            "Корректная работа нескольких копий программы возможна только из разных каталогов.\n\n"
                            "2) Для программы нет прав на запись в том каталоге, где она расположена. "
                            "Например: в Windows 7 и выше по умолчанию запрещена запись в c:\\Program Files.\n\n"
                            "Программа будет закрыта!"));
    return false;
}

Session::InitResult Session::initialise()
{
    try {
        m_services.showStatus(tr("Инициализация..."));

        if (!takeExclusiveHold() || !m_stakes->load()) {
            m_services.showStatus(QString());
            return InitResult::Terminate;
        }

        m_archive->load();
        m_candidates->reserveFullSet();
        m_candidates->generate(m_candidates->genSettings(), true);
        m_archive->recalcViews(true);
        m_ratings->load();
        m_tables->load();
        m_script->loadWorkingCopy();

        const bool loadOnly = m_services.hasCommandWord(QStringLiteral("loadonly"));
        const bool fullRecreate = m_services.hasCommandWord(QStringLiteral("fullrecreate"));
        const bool fullRefresh = m_services.hasCommandWord(QStringLiteral("fullrefresh"));
        // Unless one of those words is given, the systems page and the online libraries start here.
        if (!loadOnly && !fullRecreate && !fullRefresh) {
            m_systems->startUp();
            m_script->library().startUp();
        }

        if (loadOnly) {
            m_web->drawsDownload();
            if (!fullRecreate && !fullRefresh) {
                m_services.showStatus(QString());
                return InitResult::Terminate;
            }
        }
        // A newer release installed at start-up takes effect only in a new instance.
        if (!loadOnly && !fullRecreate && !fullRefresh && m_update->startUpCheck() == UpdateController::Installed) {
            m_services.showStatus(QString());
            return InitResult::Restart;
        }
        if (fullRecreate) {
            m_statistics->prefetchRebuildAll(true, std::uint16_t((1u << stats::CategoryCount) - 1));
            m_services.showStatus(QString());
            return InitResult::Terminate;
        }
        m_statistics->prefetchRebuildAll(fullRefresh, 0);
        if (fullRefresh) {
            m_services.showStatus(QString());
            return InitResult::Terminate;
        }
        m_services.showStatus(QString());
        m_web->offerDownloadOnStart();
    } catch (const std::exception& e) {
        m_services.showStatus(QString());
        m_services.showError(tr("Ошибка инициализации программы!\n\n%1").arg(errorText(e)));
    }
    return InitResult::Running;
}

void Session::shutdown()
{
    // An instance that was refused the data files leaves the window state to the one that has them.
    if (m_hold.isHeld())
        m_services.storeStateInt(QStringLiteral("DrawsExclude"), m_services.windowState().DrawsExclude);
    m_candidates->release();
    m_archive->clear();
    m_stakes->save();
    m_ratings->clear();
    m_tables->clear();
    m_hold.close();
}

} // namespace app
