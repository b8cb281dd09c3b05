#include "stats/StatList.h"

#include "core/IniFile.h"
#include "core/TextForms.h"

#include <QCoreApplication>

#include <algorithm>

namespace stats {

namespace {

const QString kFiltersSection = QStringLiteral("FILTERS");
constexpr int kShreddingCategory = 12;

} // namespace

QString TStatMethod::GetCaptionText() const
{
    QString caption = UserName.isEmpty() ? Class->GetCaptionFmt(Param) : UserName;
    if (Class->Category == kShreddingCategory)
        caption = core::FormatText(caption, {FormulaText});
    return caption;
}

TStatList::TStatList() = default;

void TStatList::Fill()
{
    Ordered = false;
    ShowGroupName = true;
    ShowMethodFlags = true;
    AllFavorites = true;
    m_items.clear();
    for (const StatClass* cls : Registry()) {
        if (!cls->IsAvailable())
            continue;
        auto add = [&](int param) {
            TStatMethod m;
            m.Class = cls;
            m.Param = param;
            if (cls->Category == kShreddingCategory && param >= 1 && param <= 3)
                m.FormulaText = m_env.Shredding.Formula[param - 1];
            m_items.push_back(std::move(m));
        };
        if (cls->HasParam()) {
            const auto [lo, hi] = cls->GetParamRange(m_env);
            for (int p = lo; p <= hi; ++p)
                add(p);
        } else {
            add(0);
        }
    }
}

int TStatList::IndexOfCode(const QString& code) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_items[std::size_t(i)].GetCodeText().compare(code, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TStatList::GetDisplayName(int i, bool withFlags) const
{
    const TStatMethod& m = m_items[std::size_t(i)];
    QString name = m.GetCaptionText();
    if (ShowGroupName)
        name = core::FormatText(QStringLiteral("{ %1:s } %0:s"), {name, CategoryGroup(m.Class->Category)});
    if (withFlags && ShowMethodFlags) {
        const QString letters = FlagLetters(m.Class->GetFlags());
        if (!letters.isEmpty())
            name = core::FormatText(QStringLiteral("%0:s [ %1:s ]"), {name, letters});
    }
    return name;
}

QString TStatList::GetCategoryCaption(int category)
{
    if (category < 0 || category >= CategoryCount)
        return QStringLiteral("#ERROR#");
    return core::FormatText(QStringLiteral("{ %1:s } %0:s"), {CategoryCaption(category), CategoryGroup(category)});
}

std::unique_ptr<TCustomStat> TStatList::CreateStat(int i) const
{
    const TStatMethod& m = m_items[std::size_t(i)];
    return m.Class->Create(*m.Class, m_env, m.Param);
}

std::unique_ptr<TCustomStat> TStatList::CreateStatFromSelection(int index, const QString& selectorName) const
{
    if (index < 0 || index >= Count())
        throw core::EConvertError(
            QCoreApplication::translate("stats", "Не выбран метод расчета статистики (cb: %1)!").arg(selectorName));
    return CreateStat(index);
}

std::vector<int> TStatList::SelectorMethods(bool graphsOnly) const
{
    std::vector<int> list;
    for (int i = 0; i < Count(); ++i) {
        const StatClass& cls = *m_items[std::size_t(i)].Class;
        if (cls.IsAvailable() && cls.IsListed() && IsShown(i) && (!graphsOnly || cls.IsGraph()))
            list.push_back(i);
    }
    if (Ordered) {
        std::vector<QString> names(m_items.size());
        for (int i : list)
            names[std::size_t(i)] = GetDisplayName(i, true);
        std::stable_sort(list.begin(), list.end(), [&](int a, int b) {
            return names[std::size_t(a)].compare(names[std::size_t(b)], Qt::CaseInsensitive) < 0;
        });
    }
    return list;
}

void TStatList::SelectAllFavorites()
{
    AllFavorites = true;
    for (TStatMethod& m : m_items)
        m.Favorite = true;
}

void TStatList::NormalizeFavorites()
{
    AllFavorites = true;
    if (m_items.empty())
        return;
    const bool first = m_items.front().Favorite;
    for (const TStatMethod& m : m_items)
        if (m.Favorite != first) {
            AllFavorites = false;
            return;
        }
    if (!first)
        for (TStatMethod& m : m_items)
            m.Favorite = true;
}

QString TStatList::GetFavoritesText() const
{
    if (AllFavorites)
        return {};
    QStringList codes;
    for (const TStatMethod& m : m_items)
        if (m.Favorite)
            codes << m.GetCodeText();
    return codes.join(u',');
}

void TStatList::SetFavoritesText(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        SelectAllFavorites();
        return;
    }
    AllFavorites = false;
    const QStringList words = text.split(u',');
    for (TStatMethod& m : m_items) {
        const QString code = m.GetCodeText();
        m.Favorite = std::any_of(words.begin(), words.end(),
                                 [&](const QString& w) { return w.compare(code, Qt::CaseInsensitive) == 0; });
    }
}

QString TStatList::namesSection() const
{
    return QStringLiteral("STRINGS_") + m_languageCode;
}

bool TStatList::LoadFilterNames(const QString& fileName, bool withOptions, QString* error)
{
    core::IniFile ini(fileName);
    QString readError;
    if (!ini.load(&readError)) {
        if (error)
            *error = QCoreApplication::translate("stats", "Ошибка загрузки списка фильтров!\n\n%1").arg(readError);
        return false;
    }
    if (withOptions) {
        SetFavoritesText(ini.readString(kFiltersSection, QStringLiteral("Favorites"), GetFavoritesText()));
        Ordered = ini.readBool(kFiltersSection, QStringLiteral("Ordered"), Ordered);
        ShowGroupName = ini.readBool(kFiltersSection, QStringLiteral("ShowGroupName"), ShowGroupName);
        ShowMethodFlags = ini.readBool(kFiltersSection, QStringLiteral("ShowMethodFlags"), ShowMethodFlags);
    }
    const QString section = namesSection();
    for (TStatMethod& m : m_items)
        m.UserName = ini.readString(section, m.GetCodeText()).trimmed();
    return true;
}

bool TStatList::SaveFilterNames(const QString& fileName, bool withOptions, bool allNames, QString* error) const
{
    core::IniFile ini(fileName);
    QString ioError;
    // The file is read first so that sections of other languages and programs survive.
    if (!ini.load(&ioError)) {
        if (error)
            *error = QCoreApplication::translate("stats", "Ошибка сохранения списка фильтров!\n\n%1").arg(ioError);
        return false;
    }
    if (withOptions) {
        ini.writeString(kFiltersSection, QStringLiteral("Favorites"), GetFavoritesText());
        ini.writeBool(kFiltersSection, QStringLiteral("Ordered"), Ordered);
        ini.writeBool(kFiltersSection, QStringLiteral("ShowGroupName"), ShowGroupName);
        ini.writeBool(kFiltersSection, QStringLiteral("ShowMethodFlags"), ShowMethodFlags);
    }
    const QString section = namesSection();
    ini.eraseSection(section);
    for (const TStatMethod& m : m_items) {
        if (allNames)
            ini.writeString(section, m.GetCodeText(),
                            m.UserName.isEmpty() ? m.Class->GetCaptionFmt(m.Param) : m.UserName);
        else if (!m.UserName.isEmpty())
            ini.writeString(section, m.GetCodeText(), m.UserName);
    }
    if (!ini.save(&ioError)) {
        if (error)
            *error = QCoreApplication::translate("stats", "Ошибка сохранения списка фильтров!\n\n%1").arg(ioError);
        return false;
    }
    return true;
}

} // namespace stats
