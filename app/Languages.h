#pragma once

// Interface languages. Russian (locale 1049) is built in; every other language comes from a
// module file "<base>_<abbreviation>.lng", which holds a Qt translation: one the person put in the
// data folder, else one beside the executable, else the one the installation ships in its shared
// folder.

#include "core/DataFolder.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace app {

inline constexpr int kNativeLanguage = 1049;

struct LanguageInfo
{
    int Lcid = 0;
    QString Abbreviation; // three letters, e.g. "RUS", "ENU"
    QString Name;         // as the platform names the language
};

// The language of a start before the person chose one (no "Language" key yet): English as the
// window-state default says, but Russian on a Russian system, whose user an English module
// shipped with the installation must not greet in English.
int DefaultLanguage(const QLocale& system);

// The language of the command-line tool, which has no window state to keep a choice in: English
// under an English locale of messages (LC_ALL, else LC_MESSAGES, else LANG, the first one set, as
// the C library reads them), the native language under any other.
int MessagesLanguage(const QByteArray& lcAll, const QByteArray& lcMessages, const QByteArray& lang);

// Three-letter abbreviation of a locale id; empty for an id we do not know.
QString LanguageAbbreviation(int lcid);
QString LanguageName(int lcid);
// Where the module of lcid is looked for, in that order.
QStringList LanguageModuleCandidates(const core::DataFolder& folder, int lcid);
// The first candidate that exists; the data folder's when none does.
QString LanguageModulePath(const core::DataFolder& folder, int lcid);
// The native language first, then every known locale whose module file exists.
QList<LanguageInfo> AvailableLanguages(const core::DataFolder& folder);

// The help file of a language: in the executable's folder, then its "help" subfolder, then the
// "help" folder of an installation's shared folder, then the "help" subfolder of its parent; the
// last candidate is the answer even when it is missing.
QString HelpFilePath(const QString& exeDir, int lcid);

// Holds the translation of the selected language for the whole run.
class LanguageSwitcher
{
public:
    LanguageSwitcher();
    ~LanguageSwitcher();

    // Installs the module of lcid; the native language needs none. Qt's own texts follow too. False (with the reason)
    // when the module is missing or cannot be loaded; the native texts stay then.
    bool select(const core::DataFolder& folder, int lcid, QString* error = nullptr);
    int current() const { return m_current; }
    // The locale of the interface language, for dates and numbers shown in the windows.
    QLocale locale() const;

private:
    // Qt's own texts (standard buttons, context menus) in the selected language.
    void installToolkitTexts();

    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_toolkitTranslator;
    // Russian for the few of Qt's texts its installed translations lack.
    std::unique_ptr<QTranslator> m_toolkitSupplement;
    int m_current = kNativeLanguage;
};

} // namespace app
