#include "online/ServiceClient.h"

#include "net/Requests.h"

#include <QCoreApplication>

namespace online {

QString ServiceClient::url(const char* path) const
{
    QString base = m_address.baseUrl.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + QString::fromLatin1(path);
}

bool ServiceClient::post(const char* path, const QList<QByteArray>& fields, Reply& reply, QString* error) const
{
    reply = Reply{};
    if (m_address.baseUrl.trimmed().isEmpty()) {
        if (error)
            *error = QCoreApplication::translate(
                "online", "Адрес сервера библиотек не указан. Укажите его в параметрах программы (страница "
                          "\"Сеть\") или ключом ServiceUrl в разделе [NETWORK] файла Vertoma_5x54.ini.");
        return false;
    }
    net::RequestOptions options;
    options.caFile = m_address.caFile;
    options.limits = m_address.limits;
    options.keepAlive = m_address.keepAlive;
    const net::HttpResponse response = net::HttpPostFormBytes(url(path), fields, true, options);
    if (!response.ok()) {
        // A host that refused the request may still say why in the envelope.
        Reply refused;
        QString why;
        if (error)
            *error = response.error == net::HttpError::Http && !ParseReply(response.body, refused, &why)
                         ? why + QStringLiteral("\n") + response.message
                         : response.message;
        return false;
    }
    return ParseReply(response.body, reply, error);
}

} // namespace online
