// The help pages of the statistic methods: every help code of every method has its page, every
// page belongs to a method, and the index of the pages links them all.

#include "StatTestSupport.h"

#include "core/TextForms.h"
#include "stats/StatList.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace stattest;
using stats::TStatList;

namespace {

const QString kFiltersDir = QStringLiteral(VERTOMA_HELP_DIR "/filters");

QString pageName(const QString& helpCode)
{
    return QStringLiteral("Filters_1049_%1.htm").arg(helpCode);
}

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString titleOf(const QString& html)
{
    static const QRegularExpression re(QStringLiteral("<title>(.*?)</title>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const auto m = re.match(html);
    return m.hasMatch() ? m.captured(1) : QString();
}

struct Settings
{
    core::TConfigData config;
    core::TShreddingData shredding;
};

// The default settings and settings under which every parameter range differs from the default:
// small channels, a wide matrix, segments 0..9 and other shredding formulas.
std::vector<Settings> settingsToCover()
{
    std::vector<Settings> all;
    all.push_back({});
    Settings other;
    other.config.ChannelSize = 3;
    other.config.MatrixCols = 9;
    other.config.MatrixSegments = core::TextToDigits(u"012345678901234567890123456789012345678901234567890123"_s);
    other.shredding.Formula[0] = u"n1*p1"_s;
    other.shredding.Digits[0] = 3;
    all.push_back(other);
    return all;
}

// Help code -> the method codes it stands for, over the given settings and the classes that are
// never offered.
QMap<QString, QStringList> helpCodes()
{
    QMap<QString, QStringList> codes;
    for (const Settings& s : settingsToCover()) {
        TStatList list;
        list.setConfig(s.config);
        list.setShredding(s.shredding);
        list.Fill();
        for (int i = 0; i < list.Count(); ++i) {
            const stats::TStatMethod& m = list.Items(i);
            QStringList& methods = codes[m.Class->GetHelpCode(m.Param)];
            if (!methods.contains(m.GetCodeText()))
                methods << m.GetCodeText();
        }
    }
    for (const stats::StatClass* cls : stats::Registry())
        if (!cls->IsAvailable() && !cls->HasParam())
            codes[cls->GetHelpCode(0)] << cls->GetCode();
    return codes;
}

TEST(HelpPages, EveryHelpCodeHasItsPage)
{
    const QMap<QString, QStringList> codes = helpCodes();
    ASSERT_GT(codes.size(), 100);
    EXPECT_TRUE(codes.contains(u"POSx"_s));
    EXPECT_TRUE(codes.contains(u"KNO2"_s)) << "classes that are never offered have their pages too";
    for (auto it = codes.cbegin(); it != codes.cend(); ++it) {
        const QString path = kFiltersDir + u'/' + pageName(it.key());
        const QString html = readText(path);
        ASSERT_FALSE(html.isEmpty()) << "no page " << path.toStdString();
        EXPECT_TRUE(html.contains(u"<meta charset=\"utf-8\">"_s)) << path.toStdString();
        EXPECT_TRUE(titleOf(html).contains(it.key())) << path.toStdString() << ": " << titleOf(html).toStdString();
    }
}

TEST(HelpPages, PagesMatchTheClassesTheyDescribe)
{
    TStatList list;
    list.Fill();
    for (int i = 0; i < list.Count(); ++i) {
        const stats::TStatMethod& m = list.Items(i);
        const QString code = m.Class->GetHelpCode(m.Param);
        const QString html = readText(kFiltersDir + u'/' + pageName(code));
        ASSERT_FALSE(html.isEmpty()) << code.toStdString();
        // The page names the method's code as the list shows it under the default settings.
        EXPECT_TRUE(html.contains(m.GetCodeText())) << code.toStdString() << " / " << m.GetCodeText().toStdString();
        EXPECT_TRUE(html.contains(QStringLiteral("{ %1 }").arg(stats::CategoryGroup(m.Class->Category))))
            << code.toStdString();
        // The line on the value-list selection mode agrees with the class.
        EXPECT_EQ(html.contains(u"для этого метода недоступен"_s), !m.Class->AllowsValueList()) << code.toStdString();
    }
}

TEST(HelpPages, EveryPageBelongsToAMethodAndTheIndexLinksThemAll)
{
    const QMap<QString, QStringList> codes = helpCodes();
    const QDir dir(kFiltersDir);
    ASSERT_TRUE(dir.exists()) << kFiltersDir.toStdString();
    QSet<QString> pages;
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (name == u"index.htm"_s || name == u"style.css"_s)
            continue;
        static const QRegularExpression re(QStringLiteral("^Filters_1049_(.+)\\.htm$"));
        const auto m = re.match(name);
        ASSERT_TRUE(m.hasMatch()) << "stray file " << name.toStdString();
        EXPECT_TRUE(codes.contains(m.captured(1))) << "no method has the help code of " << name.toStdString();
        pages.insert(name);
    }
    EXPECT_EQ(pages.size(), codes.size());

    const QString index = readText(dir.filePath(u"index.htm"_s));
    ASSERT_FALSE(index.isEmpty());
    QSet<QString> linked;
    static const QRegularExpression link(QStringLiteral("href=\"(Filters_1049_[^\"]+\\.htm)\""));
    for (auto it = link.globalMatch(index); it.hasNext();)
        linked.insert(it.next().captured(1));
    for (const QString& page : pages)
        EXPECT_TRUE(linked.contains(page)) << "the index does not link " << page.toStdString();
    for (const QString& target : linked)
        EXPECT_TRUE(pages.contains(target)) << "the index links a missing page " << target.toStdString();

    // The main help reaches the index.
    EXPECT_TRUE(readText(QStringLiteral(VERTOMA_HELP_DIR "/Numeko_RUS.html")).contains(u"filters/index.htm"_s));
}

} // namespace
