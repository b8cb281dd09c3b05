#include "app/Languages.h"

#include "core/DataLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

struct KnownLocale
{
    int lcid;
    const char* abbreviation;
    QLocale::Language language;
    QLocale::Territory territory;
};

// The locale ids a module may be written for, with the abbreviations Windows gives them.
constexpr KnownLocale kLocales[] = {
    {1049, "RUS", QLocale::Russian, QLocale::Russia},        {1033, "ENU", QLocale::English, QLocale::UnitedStates},
    {2057, "ENG", QLocale::English, QLocale::UnitedKingdom}, {1058, "UKR", QLocale::Ukrainian, QLocale::Ukraine},
    {1059, "BEL", QLocale::Belarusian, QLocale::Belarus},    {1087, "KKZ", QLocale::Kazakh, QLocale::Kazakhstan},
    {1031, "DEU", QLocale::German, QLocale::Germany},        {1036, "FRA", QLocale::French, QLocale::France},
    {1040, "ITA", QLocale::Italian, QLocale::Italy},         {3082, "ESN", QLocale::Spanish, QLocale::Spain},
    {1045, "PLK", QLocale::Polish, QLocale::Poland},         {1029, "CSY", QLocale::Czech, QLocale::CzechRepublic},
    {1062, "LVI", QLocale::Latvian, QLocale::Latvia},        {1063, "LTH", QLocale::Lithuanian, QLocale::Lithuania},
    {1061, "ETI", QLocale::Estonian, QLocale::Estonia},      {1079, "KAT", QLocale::Georgian, QLocale::Georgia},
    {1067, "HYE", QLocale::Armenian, QLocale::Armenia},      {1068, "AZE", QLocale::Azerbaijani, QLocale::Azerbaijan},
    {1091, "UZB", QLocale::Uzbek, QLocale::Uzbekistan},
};

const KnownLocale* findLocale(int lcid)
{
    for (const KnownLocale& l : kLocales) {
        if (l.lcid == lcid)
            return &l;
    }
    return nullptr;
}

// Texts of Qt's file dialogs that the Russian translations of Qt 6.4 do not carry yet (the
// type column of the file list says "Folder"). Installed before Qt's own translations, so a
// newer Qt that translates them is heard first.
class MissingToolkitTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        static const struct
        {
            const char* source;
            const char* russian;
        } kTexts[] = {{"Folder", "Папка"}, {"Shortcut", "Ярлык"}, {"Drive", "Диск"}, {"Unknown", "Неизвестный"}};
        for (const auto& text : kTexts) {
            if (qstrcmp(source, text.source) == 0)
                return QString::fromUtf8(text.russian);
        }
        return {};
    }
};

} // namespace

int DefaultLanguage(const QLocale& system)
{
    return system.language() == QLocale::Russian ? kNativeLanguage : 1033;
}

int MessagesLanguage(const QByteArray& lcAll, const QByteArray& lcMessages, const QByteArray& lang)
{
    const QByteArray& name = !lcAll.isEmpty() ? lcAll : !lcMessages.isEmpty() ? lcMessages : lang;
    // "en", "en_US.UTF-8", "en_GB@euro"; not "eo" nor "C".
    const bool english =
        name.startsWith("en") && (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
    return english ? 1033 : kNativeLanguage;
}

QString LanguageAbbreviation(int lcid)
{
    const KnownLocale* l = findLocale(lcid);
    return l ? QString::fromLatin1(l->abbreviation) : QString();
}

QString LanguageName(int lcid)
{
    const KnownLocale* l = findLocale(lcid);
    if (!l)
        return QString::number(lcid);
    const QString name = QLocale(l->language, l->territory).nativeLanguageName();
    return name.isEmpty() ? QLocale::languageToString(l->language) : name;
}

QStringList LanguageModuleCandidates(const core::DataFolder& folder, int lcid)
{
    const QString name = folder.baseName() + QLatin1Char('_') + LanguageAbbreviation(lcid) + QStringLiteral(".lng");
    QStringList candidates{folder.file(name)};
    if (!folder.exeDir().isEmpty()) {
        candidates
            << QDir(folder.exeDir()).filePath(name)
            << QDir(core::DataLocation::shareDir(folder.exeDir())).filePath(QStringLiteral("translations/") + name);
    }
    candidates.removeDuplicates();
    return candidates;
}

QString LanguageModulePath(const core::DataFolder& folder, int lcid)
{
    const QStringList candidates = LanguageModuleCandidates(folder, lcid);
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return candidates.first();
}

QList<LanguageInfo> AvailableLanguages(const core::DataFolder& folder)
{
    QList<LanguageInfo> result{{kNativeLanguage, LanguageAbbreviation(kNativeLanguage), LanguageName(kNativeLanguage)}};
    for (const KnownLocale& l : kLocales) {
        if (l.lcid != kNativeLanguage && QFileInfo::exists(LanguageModulePath(folder, l.lcid)))
            result.append({l.lcid, QString::fromLatin1(l.abbreviation), LanguageName(l.lcid)});
    }
    return result;
}

QString HelpFilePath(const QString& exeDir, int lcid)
{
    QString abbreviation = LanguageAbbreviation(lcid);
    if (abbreviation.isEmpty())
        abbreviation = LanguageAbbreviation(kNativeLanguage);
    const QString name = QStringLiteral("Numeko_%1.html").arg(abbreviation);
    const QDir dir(exeDir);
    // An installation keeps its pages in its shared folder; the parent's "help" stays the answer
    // when none is found.
    const QString candidates[] = {dir.filePath(name), dir.filePath(QStringLiteral("help/") + name),
                                  QDir(core::DataLocation::shareDir(exeDir)).filePath(QStringLiteral("help/") + name),
                                  QDir(dir.filePath(QStringLiteral(".."))).filePath(QStringLiteral("help/") + name)};
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(candidates[3]);
}

LanguageSwitcher::LanguageSwitcher() = default;

QLocale LanguageSwitcher::locale() const
{
    const KnownLocale* l = findLocale(m_current);
    return l ? QLocale(l->language, l->territory) : QLocale(QLocale::Russian, QLocale::Russia);
}

LanguageSwitcher::~LanguageSwitcher()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    if (m_toolkitTranslator)
        QCoreApplication::removeTranslator(m_toolkitTranslator.get());
    if (m_toolkitSupplement)
        QCoreApplication::removeTranslator(m_toolkitSupplement.get());
}

void LanguageSwitcher::installToolkitTexts()
{
    if (m_toolkitTranslator)
        QCoreApplication::removeTranslator(m_toolkitTranslator.get());
    if (m_toolkitSupplement)
        QCoreApplication::removeTranslator(m_toolkitSupplement.get());
    m_toolkitSupplement.reset();
    if (locale().language() == QLocale::Russian) {
        m_toolkitSupplement = std::make_unique<MissingToolkitTexts>();
        QCoreApplication::installTranslator(m_toolkitSupplement.get());
    }
    m_toolkitTranslator = std::make_unique<QTranslator>();
    // Missing Qt translations leave Qt's English texts; nothing else depends on them.
    if (m_toolkitTranslator->load(locale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_toolkitTranslator.get());
    else
        m_toolkitTranslator.reset();
}

bool LanguageSwitcher::select(const core::DataFolder& folder, int lcid, QString* error)
{
    if (lcid == m_current) {
        if (!m_toolkitTranslator)
            installToolkitTexts();
        return true;
    }
    if (lcid != kNativeLanguage) {
        const QString path = LanguageModulePath(folder, lcid);
        if (LanguageAbbreviation(lcid).isEmpty() || !QFileInfo::exists(path)) {
            if (error)
                *error = QCoreApplication::translate("app::Languages", "Языковый модуль \"%1\" не найден!").arg(path);
            return false;
        }
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(path)) {
            if (error) {
                *error =
                    QCoreApplication::translate("app::Languages", "Не удалось загрузить языковый модуль \"%1\"!\n\n%2")
                        .arg(path, QCoreApplication::translate("app::Languages", "Файл не является модулем перевода."));
            }
            return false;
        }
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
        m_translator = std::move(translator);
        QCoreApplication::installTranslator(m_translator.get());
    } else if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    // Number formats keep following the platform's locale; only the texts change.
    m_current = lcid;
    installToolkitTexts();
    return true;
}

} // namespace app
