#include "online/ClientIdentity.h"

#include "core/IniFile.h"
#include "core/Version.h"
#include "net/NetSettings.h"
#include "online/Conventions.h"

#include <QUuid>

namespace online {

QList<QByteArray> IdentityFields(const ClientIdentity& identity, const QString& name, const QString& mail, int lcid)
{
    return {
        "appid=" + identity.appid.toLatin1(),
        "appver=" + identity.appver.toLatin1(),
        "hwdid=" + identity.hwdid.toLatin1(),
        "cl_name=" + EscapedText(name),
        "cl_mail=" + EscapedText(mail),
        "cl_lcid=" + QByteArray::number(lcid),
    };
}

QList<QByteArray> IdentityFields(const ClientIdentity& identity)
{
    return IdentityFields(identity, identity.cl_name, identity.cl_mail, identity.cl_lcid);
}

bool LoadClientIdentity(const QString& configPath, int lcid, ClientIdentity& identity, QString* error)
{
    net::NetworkSettings network;
    if (!net::NetworkLoad(configPath, network, error))
        return false;
    identity = ClientIdentity{};
    identity.appver = core::ProgramVersion();
    identity.cl_name = network.ClientName;
    identity.cl_mail = network.ClientMail;
    identity.cl_lcid = lcid;

    core::IniFile ini(configPath);
    if (!ini.load(error))
        return false;
    identity.hwdid = ini.readString(net::kClientSection, QStringLiteral("HwdId")).trimmed();
    if (!identity.hwdid.isEmpty())
        return true;
    identity.hwdid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    ini.writeString(net::kClientSection, QStringLiteral("HwdId"), identity.hwdid);
    return ini.save(error);
}

bool SameMail(const QString& a, const QString& b)
{
    const QString x = a.trimmed();
    return !x.isEmpty() && x.compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace online
