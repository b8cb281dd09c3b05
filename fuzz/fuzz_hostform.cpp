// A form post to the service host: any body, on any of its paths, must be answered with one
// reply its own clients read, either rows or an error row that says why; nothing may throw.
// The body's first byte picks the path; the database lives in memory and is started afresh
// now and then so that what earlier inputs stored does not slow every later one down.
#include "host/RequestHandler.h"
#include "online/Conventions.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<host::Database> g_db;
std::unique_ptr<host::RequestHandler> g_handler;
int g_runs = 0;

void restart()
{
    g_handler.reset();
    g_db = std::make_unique<host::Database>();
    QString error;
    if (!g_db->open(QStringLiteral(":memory:"), &error))
        std::abort();
    g_handler = std::make_unique<host::RequestHandler>(*g_db);
    g_handler->setClock([] { return QDateTime(QDate(2024, 5, 1), QTime(12, 0), QTimeZone::utc()); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const char* const paths[] = {
        "/scripts/sys_getlist.php",   "/scripts/sys_getdata.php", "/scripts/sys_putdata.php",
        "/scripts/scr_getlist.php",   "/scripts/scr_getdata.php", "/scripts/scr_chktitle.php",
        "/scripts/scr_putscript.php", "/scripts/scr_setrate.php", "/scripts/scr_getrates.php",
        "/scripts/unknown.php",
    };
    if (!g_handler || ++g_runs % 500 == 0)
        restart();
    const std::string path = paths[data[0] % std::size(paths)];
    const host::FormFields fields = host::ParseForm(std::string(reinterpret_cast<const char*>(data + 1), size - 1));

    QByteArray answer;
    try {
        answer = g_handler->handle(path, fields);
    } catch (...) {
        std::abort(); // the handler promises to turn every failure into an error row
    }
    if (!answer.startsWith("<result>") || !answer.endsWith("</result>"))
        std::abort();
    online::Reply reply;
    QString error;
    if (!online::ParseReply(answer, reply, &error)) {
        // Only an error row may fail the client's reading, and it must carry its message.
        if (error.isEmpty() || !answer.startsWith("<result><row><error>"))
            std::abort();
    }
    return 0;
}
