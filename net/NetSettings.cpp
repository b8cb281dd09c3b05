#include "net/NetSettings.h"

#include "core/IniFile.h"
#include "core/TextForms.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

namespace net {

namespace {

const QString Network = QStringLiteral("NETWORK");
const QString Proxy = QStringLiteral("PROXY");

QString tr(const char* text)
{
    return QCoreApplication::translate("net", text);
}

// The proxy password sits in this file, so it is made private before anything is written to
// it; the rename of a whole-file rewrite keeps the permissions of the file it replaces.
bool makePrivate(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists() && !file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = tr("Не удалось создать файл \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    file.close();
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        if (error)
            *error = tr("Не удалось закрыть доступ к файлу \"%1\" для других пользователей: %2")
                         .arg(path, file.errorString());
        return false;
    }
    return true;
}

// A save must not wipe the other sections, so a file that cannot be read is not overwritten.
bool update(const QString& path, QString* error, const auto& change)
{
    core::IniFile ini(path);
    if (!ini.load(error))
        return false;
    if (!makePrivate(path, error))
        return false;
    change(ini);
    return ini.save(error);
}

} // namespace

bool NetworkLoad(const QString& path, NetworkSettings& settings, QString* error)
{
    settings = NetworkSettings{};
    core::IniFile ini(path);
    if (!ini.load(error))
        return false;
    settings.OperatorUrl = ini.readString(Network, QStringLiteral("OperatorUrl"));
    settings.ProxyListUrl = ini.readString(Network, QStringLiteral("ProxyListUrl"));
    settings.ServiceUrl = ini.readString(Network, QStringLiteral("ServiceUrl"));
    settings.CaFile = ini.readString(Network, QStringLiteral("CaFile"));
    settings.UpdateSource = ini.readString(Network, QStringLiteral("UpdateSource"));
    settings.ClientName = ini.readString(kClientSection, QStringLiteral("UserName"));
    settings.ClientMail = ini.readString(kClientSection, QStringLiteral("UserMail"));
    return true;
}

bool NetworkSave(const QString& path, const NetworkSettings& settings, QString* error)
{
    return update(path, error, [&](core::IniFile& ini) {
        ini.writeString(Network, QStringLiteral("OperatorUrl"), settings.OperatorUrl);
        ini.writeString(Network, QStringLiteral("ProxyListUrl"), settings.ProxyListUrl);
        ini.writeString(Network, QStringLiteral("ServiceUrl"), settings.ServiceUrl);
        ini.writeString(Network, QStringLiteral("CaFile"), settings.CaFile);
        // Kept only when set, so the file of a user who never changed it stays as it was.
        if (!settings.UpdateSource.isEmpty() || ini.hasKey(Network, QStringLiteral("UpdateSource")))
            ini.writeString(Network, QStringLiteral("UpdateSource"), settings.UpdateSource);
        ini.writeString(kClientSection, QStringLiteral("UserName"), settings.ClientName);
        ini.writeString(kClientSection, QStringLiteral("UserMail"), settings.ClientMail);
    });
}

bool IsValidServiceAddress(const QString& address)
{
    if (address.trimmed().isEmpty())
        return true;
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == u"http" || scheme == u"https") &&
           !url.hasQuery() && !url.hasFragment();
}

bool ProxyLoad(const QString& path, core::TProxy& proxy, QString* error)
{
    core::IniFile ini(path);
    if (!ini.load(error))
        return false;
    proxy.Server = ini.readString(Proxy, QStringLiteral("ProxyServer"));
    const int mode = ini.readInt(Proxy, QStringLiteral("ProxyMode"), proxy.Server.isEmpty() ? 0 : 2);
    proxy.Mode = static_cast<std::uint8_t>(mode >= 0 && mode <= 255 ? mode : 0);
    proxy.Port = ini.readInt(Proxy, QStringLiteral("ProxyPort"), 80);
    proxy.Username = ini.readString(Proxy, QStringLiteral("ProxyUsername"));
    proxy.Password = ini.readString(Proxy, QStringLiteral("ProxyPassword"));
    return true;
}

bool ProxySave(const QString& path, const core::TProxy& proxy, QString* error)
{
    return update(path, error, [&](core::IniFile& ini) {
        ini.writeInt(Proxy, QStringLiteral("ProxyMode"), proxy.Mode);
        ini.writeString(Proxy, QStringLiteral("ProxyServer"), proxy.Server);
        ini.writeInt(Proxy, QStringLiteral("ProxyPort"), proxy.Port);
        ini.writeString(Proxy, QStringLiteral("ProxyUsername"), proxy.Username);
        ini.writeString(Proxy, QStringLiteral("ProxyPassword"), proxy.Password);
    });
}

void ParseProxyEntry(const QString& entry, QString& host, std::int32_t& port)
{
    const qsizetype colon = entry.indexOf(u':');
    host = (colon < 0 ? entry : entry.left(colon)).trimmed();
    const QString portText = colon < 0 ? QString() : entry.mid(colon + 1).trimmed();
    bool ok = false;
    const int value = portText.toInt(&ok);
    if (!ok)
        throw core::EConvertError(tr("\"%1\" - некорректное целое число").arg(portText));
    port = value;
}

} // namespace net
