#include "app/UpdateController.h"

#include "app/Languages.h"
#include "app/ProgressWindow.h"
#include "app/Services.h"
#include "app/WebController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextForms.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QDir>

#include <exception>

namespace app {

namespace {

const QString kAutoUpdatesKey = QStringLiteral("AutoUpdates");

// Busy for one phase; the progress window closes before the busy state ends.
class Phase
{
public:
    Phase(Services& services, const QString& text, int steps) : m_services(services)
    {
        m_services.enterBusy();
        try {
            m_window = std::make_unique<ProgressWindow>(services.io(), text, steps);
        } catch (...) {
            m_services.leaveBusy();
            throw;
        }
    }
    ~Phase() { end(); }
    Phase(const Phase&) = delete;
    Phase& operator=(const Phase&) = delete;
    ProgressWindow& window() { return *m_window; }
    void end()
    {
        if (!m_window)
            return;
        m_window.reset();
        m_services.leaveBusy();
    }

private:
    Services& m_services;
    std::unique_ptr<ProgressWindow> m_window;
};

QString errorText(const std::exception& e)
{
    if (const auto* convert = dynamic_cast<const core::EConvertError*>(&e))
        return convert->message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

UpdateController::UpdateController(Services& services, const WebController& web)
    : m_services(services), m_web(web), m_lcid(kNativeLanguage), m_installDir(services.folder().exeDir()),
      m_currentVersion(core::ProgramVersion()),
      // Taken now: once the update has set the old file aside, the system names the running
      // program by its new name.
      m_runningExe(QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString())
{
}

void UpdateController::readState(const core::IniFile& ini)
{
    m_autoUpdates = ini.readBool(core::kMainWindowSection, kAutoUpdatesKey, true);
}

void UpdateController::setAutoUpdates(bool on)
{
    m_autoUpdates = on;
    m_services.storeStateBool(kAutoUpdatesKey, on);
    emit autoUpdatesChanged(on);
}

QString UpdateController::defaultSource() const
{
    const net::NetworkSettings& network = m_web.network();
    const QString source = network.UpdateSource.trimmed();
    if (!source.isEmpty()) {
        // A relative file path is taken from the data folder, like the certificate bundle.
        if (!source.contains(QStringLiteral("://")))
            return QDir(m_services.folder().dir()).absoluteFilePath(source);
        return source;
    }
    QString base = network.ServiceUrl.trimmed();
    if (base.isEmpty())
        return {};
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + online::kUpdateDescriptionPath;
}

online::UpdateSite UpdateController::site() const
{
    online::UpdateSite site;
    site.installDir = m_installDir;
    site.product = m_services.folder().baseName();
    site.currentVersion = m_currentVersion;
    site.runningExe = m_runningExe;
    site.request.caFile = m_web.caFilePath();
    site.request.limits = net::FileLimits();
    UserIo* io = &m_services.io();
    site.request.keepAlive = [io] { io->keepAlive(); };
    site.processTimeoutSeconds = m_processTimeout;
    return site;
}

bool UpdateController::installWritable() const
{
    return online::SelfUpdater(site()).installWritable();
}

QString UpdateController::packageManaged() const
{
    return tr("Программа установлена в папку \"%1\", запись в которую запрещена. Эту установку программы "
              "обновляет менеджер пакетов системы.")
        .arg(QDir::toNativeSeparators(m_installDir));
}

bool UpdateController::search(const QString& source, online::UpdateSearch& found, QString* error)
{
    try {
        if (source.isEmpty())
            throw core::EConvertError(tr("Адрес сервиса обновлений не задан в настройках программы."));
        const online::SelfUpdater updater(site());
        Phase phase(m_services, tr("Поиск доступных обновлений..."), 5);
        found = updater.search(source, m_lcid, LanguageAbbreviation(m_lcid), phase.window());
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = errorText(e);
        return false;
    }
}

UpdateController::Result UpdateController::selfUpdateRun(const QString& source, bool silent, int lcid)
{
    try {
        const online::SelfUpdater updater(site());
        // A folder the user cannot write belongs to a system package: updating it is the
        // package manager's job, and a copy would stop half-way.
        if (!updater.installWritable()) {
            if (!silent)
                m_services.showInformation(packageManaged());
            return NothingInstalled;
        }
        if (source.isEmpty() && silent)
            return NothingInstalled;

        online::UpdateSearch found;
        const int keepLcid = m_lcid;
        m_lcid = lcid;
        QString error;
        const bool searched = search(source, found, &error);
        m_lcid = keepLcid;
        if (!searched) {
            if (!silent)
                m_services.showError(tr("Ошибка поиска обновлений!\n\n%1").arg(error));
            return Failed;
        }
        if (!found.exists) {
            if (!silent)
                m_services.showInformation(tr("Обновлений не найдено!"));
            return NothingInstalled;
        }
        if (!m_services.io().confirmUpdate(m_currentVersion, found.info.Description, found.notes))
            return NothingInstalled;

        try {
            Phase phase(m_services, tr("Загрузка и установка обновления \"%1\"...").arg(found.info.VerId), 14);
            updater.install(found.info, phase.window());
            phase.window().step();
            phase.end();
        } catch (const std::exception& e) {
            // Shown in the silent mode too: the person agreed to this installation.
            m_services.showError(tr("Ошибка установки обновления!\n\n%1").arg(errorText(e)));
            return Failed;
        }
        m_services.showWarning(tr("Установка обновления \"%1\" успешно выполнена.\n\nДля завершения установки "
                                  "необходимо перезапустить программу!")
                                   .arg(found.info.Description));
        return Installed;
    } catch (const std::exception& e) {
        m_services.showError(tr("Ошибка системы самообновления программы!\n\n%1").arg(errorText(e)));
        return Failed;
    }
}

UpdateController::Result UpdateController::checkUpdate()
{
    return selfUpdateRun(defaultSource(), false, m_lcid);
}

UpdateController::Result UpdateController::startUpCheck()
{
    if (!m_autoUpdates)
        return NothingInstalled;
    return selfUpdateRun(defaultSource(), true, m_lcid);
}

} // namespace app
