// "folders": where the tool keeps its data and finds the help pages and language modules, so a
// person or a script can tell an installed copy's files from a build tree's.

#include "app/Languages.h"
#include "app/Session.h"
#include "cli/CliCommands.h"
#include "cli/CliSupport.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

int RunFolders(app::Session& session, const QStringList& args)
{
    QCommandLineParser parser;
    if (const auto end = parseWord(parser, QStringLiteral("folders"),
                                   tr("Каталог данных, файл справки и найденные языковые модули."), args, 0))
        return *end;
    const core::DataFolder& folder = session.folder();
    printLine(QStringLiteral("data\t") + QDir::toNativeSeparators(folder.dir()));
    const QString help = app::HelpFilePath(folder.exeDir(), app::kNativeLanguage);
    printLine(QStringLiteral("help\t") + QDir::toNativeSeparators(help) +
              (QFileInfo::exists(help) ? QString() : QStringLiteral("\t") + tr("нет")));
    for (const app::LanguageInfo& language : app::AvailableLanguages(folder)) {
        if (language.Lcid != app::kNativeLanguage) {
            printLine(QStringLiteral("language\t%1\t%2")
                          .arg(language.Abbreviation,
                               QDir::toNativeSeparators(app::LanguageModulePath(folder, language.Lcid))));
        }
    }
    return 0;
}

} // namespace cli
