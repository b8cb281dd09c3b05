#pragma once

// The certificate a host started without one uses: a self-signed pair made with OpenSSL and
// kept beside the data, so clients can trust it once (as the extra certificate file "CaFile").

#include <QString>
#include <QStringList>

namespace host {

// An EC P-256 key and a certificate for the names (host names or IP addresses) valid for ten
// years, both in PEM; the key readable by its owner only. False with the reason.
bool MakeSelfSignedPair(const QString& certPath, const QString& keyPath, const QStringList& names, QString* error);

} // namespace host
