// The update description: any bytes, read as the description a local source offers, must give
// an answer or be refused with a reason, and an update is offered only when it is newer and
// says where its package is.
#include "core/Progress.h"
#include "core/TextForms.h"
#include "online/SelfUpdate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

class Silent : public core::Progress
{
public:
    void setText(const QString&) override {}
    void step(int) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString source = QDir(dir.path()).filePath(QStringLiteral("Numeko_AU.cfg"));
    static const QString install = QDir(dir.path()).filePath(QStringLiteral("install"));
    QDir().mkpath(install);
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    online::UpdateSite site;
    site.installDir = install;
    site.product = QStringLiteral("Vertoma_5x54");
    site.currentVersion = QStringLiteral("5.0.0.100");
    const online::SelfUpdater updater(site);
    Silent progress;
    try {
        const online::UpdateSearch found = updater.search(source, 1049, QStringLiteral("RUS"), progress);
        if (found.exists) {
            if (found.info.DownloadUrl.isEmpty() || online::BuildNumber(found.info.VerId) <= 100 || found.notes.isEmpty())
                std::abort();
        } else if (!found.notes.isEmpty()) {
            std::abort();
        }
    } catch (const core::EConvertError& e) {
        if (e.message().isEmpty())
            std::abort();
    }
    // Nothing the description names may be left in the installation folder.
    if (!QDir(install).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
        std::abort();
    return 0;
}
