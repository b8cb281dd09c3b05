// A reply of the service host: any bytes give rows or an error, and the systems list reads any
// row into a record or refuses it; nothing else.
#include "online/Conventions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    online::Reply reply;
    QString error;
    const bool ok = online::ParseReply(body, reply, &error);
    if (!ok && error.isEmpty())
        __builtin_trap(); // a failure always says why
    for (const online::ReplyRow& row : reply.rows) {
        if (!row.value("error").trimmed().isEmpty())
            __builtin_trap(); // an error row never passes
        (void)row.integer("id");
        (void)row.text("author");
        (void)online::FromBase64Utf8(row.value("title"));
        (void)online::UtcTextToLocal(row.value("created"));
    }
    return 0;
}
