// Every online client that promises verified TLS, through its own entry point, against an https
// server that redirects to a plain http one: none of them follows, and each names where it was sent.

#include "LocalServers.h"
#include "core/TextForms.h"
#include "online/ScriptsLibrary.h"
#include "online/SelfUpdate.h"
#include "online/SystemsLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Outcome
{
    bool ok = false;
    QString error;
};

struct DowngradeCase
{
    const char* client;
    std::function<Outcome(const testsupport::DowngradeRedirect& trap, const QString& folder)> run;
};

online::ServiceAddress address(const testsupport::DowngradeRedirect& trap)
{
    return {trap.url(), testsupport::TestCaFile(), {}, {}};
}

online::ClientIdentity someone()
{
    online::ClientIdentity id;
    id.appver = QStringLiteral("0.1.0");
    id.hwdid = QStringLiteral("HW-1");
    id.cl_name = QStringLiteral("Иван");
    id.cl_mail = QStringLiteral("ivan@example.test");
    return id;
}

const DowngradeCase kCases[] = {
    {"self-update",
     [](const testsupport::DowngradeRedirect& trap, const QString& folder) {
         online::UpdateSite site;
         site.installDir = folder;
         site.product = QStringLiteral("Vertoma_5x54");
         site.currentVersion = QStringLiteral("1.0.0.120");
         site.request.caFile = testsupport::TestCaFile();
         const QString target = QDir(folder).filePath(QStringLiteral("Numeko_AU.cfg"));
         try {
             online::SelfUpdater(site).downloadTo(trap.url() + QStringLiteral("/Numeko_AU.cfg"), target);
         } catch (const core::EConvertError& e) {
             EXPECT_FALSE(QFileInfo::exists(target));
             return Outcome{false, e.message()};
         }
         return Outcome{true, {}};
     }},
    {"scripts library",
     [](const testsupport::DowngradeRedirect& trap, const QString&) {
         std::vector<online::tScriptInfo> rows;
         Outcome out;
         out.ok = online::ScriptsLibrary(online::ServiceClient(address(trap)), someone()).list(0, rows, nullptr, &out.error);
         return out;
     }},
    {"systems library",
     [](const testsupport::DowngradeRedirect& trap, const QString&) {
         std::vector<online::tSystemData> rows;
         Outcome out;
         out.ok = online::SystemsLibrary(online::ServiceClient(address(trap)), someone()).list(rows, nullptr, &out.error);
         return out;
     }},
};

TEST(Downgrade, NoOnlineClientFollowsARedirectToPlainHttp)
{
    for (const DowngradeCase& c : kCases) {
        SCOPED_TRACE(c.client);
        const testsupport::DowngradeRedirect trap;
        QTemporaryDir folder;
        const Outcome out = c.run(trap, folder.path());
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(trap.plainRequests(), 0u) << "the request went on in plain text";
        EXPECT_TRUE(out.error.contains(trap.plainUrl())) << out.error.toStdString();
    }
}

} // namespace
