#pragma once

// The network part of the configuration file "Vertoma_5x54.ini": the addresses of section
// "NETWORK", the user's name and e-mail of section "CLIENT" and the proxy settings of section
// "PROXY". Both saves keep every other key of the file and leave it readable and writable by its
// owner only, since "PROXY" holds the proxy password in plain text (the stored form other tools
// read).

#include "core/GameTypes.h"

#include <QString>

namespace net {

inline const QString kClientSection = QStringLiteral("CLIENT");

struct NetworkSettings
{
    QString OperatorUrl;  // scheme, host and port of the lottery operator's results site
    QString ProxyListUrl; // root of the public proxy-list service
    QString ServiceUrl;   // the maker's service host
    QString CaFile;       // an extra PEM certificate bundle; relative to the data folder
    // Where the update description comes from: an https address or a local file; empty means
    // the service host's own.
    QString UpdateSource;
    // Section "CLIENT": who the online libraries know the user as. The e-mail decides which
    // published entries are the user's own.
    QString ClientName;
    QString ClientMail;
    friend bool operator==(const NetworkSettings&, const NetworkSettings&) = default;
};

bool NetworkLoad(const QString& path, NetworkSettings& settings, QString* error = nullptr);
bool NetworkSave(const QString& path, const NetworkSettings& settings, QString* error = nullptr);
// An address of the settings is empty or an http(s) address with a host; nothing else is taken.
bool IsValidServiceAddress(const QString& address);

// "ProxyMode" missing gives 2 when "ProxyServer" is not empty, else 0. Loading leaves the
// candidate list and Saved alone.
bool ProxyLoad(const QString& path, core::TProxy& proxy, QString* error = nullptr);
// Writes "ProxyMode", "ProxyServer", "ProxyPort", "ProxyUsername", "ProxyPassword" in this order.
bool ProxySave(const QString& path, const core::TProxy& proxy, QString* error = nullptr);

// A candidate "host:port": the host trimmed, the port an integer. Throws core::EConvertError
// for a port that is not one.
void ParseProxyEntry(const QString& entry, QString& host, std::int32_t& port);

} // namespace net
