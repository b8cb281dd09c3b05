#pragma once

// Who a library request comes from: the values every request of the online libraries sends,
// in the order the requests list them. The user's name and e-mail are settings (section
// "CLIENT" of the configuration file, edited on the page "Сеть" of the parameters dialog); the
// installation identifier is made once, at random, and kept in the same section.

#include <QByteArray>
#include <QList>
#include <QString>

namespace online {

// Identifies this program to the service; fixed for every version.
inline constexpr char kAppId[] = "{5E54A0C7-2B3D-4F61-9A8E-0D5454C0FFEE}";
// What the service calls the program in its catalogue.
inline constexpr char kAppName[] = "Vertoma_5x54";

struct ClientIdentity
{
    QString appid = QString::fromLatin1(kAppId);
    QString appver;
    QString hwdid;
    QString cl_name;
    QString cl_mail;
    int cl_lcid = 1049;
};

// "appid=", "appver=", "hwdid=", "cl_name=" (escaped), "cl_mail=" (escaped), "cl_lcid=" with
// the given name, e-mail and language, which some requests take from what they publish.
QList<QByteArray> IdentityFields(const ClientIdentity& identity, const QString& name, const QString& mail, int lcid);
QList<QByteArray> IdentityFields(const ClientIdentity& identity);

// The identity for the configuration file: name and e-mail from "CLIENT", appver the program's
// version, cl_lcid the interface language in use. A missing "HwdId" is made and stored at once.
bool LoadClientIdentity(const QString& configPath, int lcid, ClientIdentity& identity, QString* error = nullptr);

// The e-mail decides which library entries are the user's own: equal ignoring letter case,
// and never for an empty address.
bool SameMail(const QString& a, const QString& b);

} // namespace online
