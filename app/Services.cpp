#include "app/Services.h"

#include "app/CommandLine.h"
#include "core/Settings.h"

#include <QDir>
#include <QFileInfo>

namespace app {

BusyScope::BusyScope(Services& services, const QString& status) : m_services(services)
{
    m_services.enterBusy();
    m_services.showStatus(status);
}

BusyScope::~BusyScope()
{
    m_services.showStatus(QString());
    m_services.leaveBusy();
}

ProgressScope::ProgressScope(UserIo& io, const QString& text, int total) : m_io(io)
{
    m_io.progressBegin(text, total);
}

ProgressScope::~ProgressScope()
{
    m_io.progressEnd();
}

Services::Services(UserIo& io, core::DataFolder folder, QStringList arguments)
    : m_io(io), m_folder(std::move(folder)), m_arguments(std::move(arguments))
{
}

bool Services::hasCommandWord(const QString& word) const
{
    return HasCommandWord(m_arguments, word);
}

void Services::enterBusy()
{
    if (++m_busy == 1) {
        m_io.busyChanged(true);
        emit busyChanged(true);
    }
}

void Services::leaveBusy()
{
    if (m_busy == 0)
        return;
    if (--m_busy == 0) {
        m_io.busyChanged(false);
        emit busyChanged(false);
    }
}

void Services::showStatus(const QString& text)
{
    m_statusText = text;
    emit statusTextChanged(text);
    m_io.showStatus(text);
}

void Services::showError(const QString& text)
{
    m_io.showMessage(MessageKind::Error, text);
}

void Services::showInformation(const QString& text)
{
    m_io.showMessage(MessageKind::Information, text);
}

void Services::showAttention(const QString& text)
{
    m_io.showMessage(MessageKind::Attention, text);
}

void Services::showWarning(const QString& text)
{
    m_io.showMessage(MessageKind::Warning, text);
}

bool Services::askQuestion(const QString& caption, const QString& text)
{
    return m_io.askYesNo(caption, text, true, false);
}

bool Services::askConfirmation(const QString& text, bool yesDefault)
{
    return m_io.askYesNo(tr("Подтверждение"), text, yesDefault, false);
}

void Services::openHelp(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = QDir::toNativeSeparators(file.absolutePath());
    if (!file.exists()) {
        showError(tr("Файл справки \"%1\" не найден.\n\nСправка ищется рядом с программой, в папке \"help\" "
                     "рядом с ней и в папке \"help\" установленной программы; установите программу заново, "
                     "чтобы вернуть файлы справки.")
                      .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!m_io.openUrl(path)) {
        showError(tr("Не удалось открыть справку: в системе не найдена программа для просмотра веб-страниц "
                     "(браузер).\n\nФайлы справки находятся в папке \"%1\". Откройте в браузере файл \"%2\".")
                      .arg(folder, file.fileName()));
    }
}

void Services::openLink(const QString& url)
{
    if (!m_io.openUrl(url))
        showError(linkFailureText(url));
}

QString Services::linkFailureText(const QString& url)
{
    if (QFileInfo::exists(url)) {
        return tr("Не удалось открыть файл \"%1\": в системе не найдена программа для просмотра файлов "
                  "этого типа.\n\nОткройте файл вручную, например в текстовом редакторе.")
            .arg(QDir::toNativeSeparators(url));
    }
    return tr("Не удалось открыть адрес \"%1\": в системе не найдена программа для просмотра веб-страниц "
              "(браузер).\n\nСкопируйте адрес и откройте его в браузере.")
        .arg(url);
}

void Services::storeStateBool(const QString& key, bool value)
{
    QString error;
    if (!core::StateWriteBool(m_folder.stateFile(), core::kMainWindowSection, key, value, &error))
        showError(tr("Ошибка записи параметров программы!\n\n%1").arg(error));
}

void Services::storeStateInt(const QString& key, int value)
{
    QString error;
    if (!core::StateWriteInt(m_folder.stateFile(), core::kMainWindowSection, key, value, &error))
        showError(tr("Ошибка записи параметров программы!\n\n%1").arg(error));
}

} // namespace app
