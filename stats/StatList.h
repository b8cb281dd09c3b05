#pragma once

// The method list: every selectable statistic method (a class with one parameter value), the
// user's favourites and own names, the display options, and the settings the statistics copy
// when they are created. One list lives for the whole run; it is rebuilt by Fill whenever the
// settings change, since parameter ranges follow the channel size, the matrix and the segments.

#include "stats/CustomStat.h"
#include "stats/StatClass.h"

#include <QString>

#include <memory>
#include <vector>

namespace stats {

struct TStatMethod
{
    const StatClass* Class = nullptr;
    std::int32_t Param = 0;
    bool Favorite = true;
    QString UserName;
    QString FormulaText; // the shredding formula of methods 1..3 of that category

    QString GetCodeText() const { return Class->GetCodeFmt(Param); }
    QString GetCaptionText() const;
};

class TStatList
{
public:
    TStatList();

    // ---- what the statistics read
    const StatEnv& env() const { return m_env; }
    void setDraws(const core::TDrawsArray* draws) { m_env.Draws = draws; }
    const core::TConfigData& config() const { return m_env.Config; }
    void setConfig(const core::TConfigData& config) { m_env.Config = config; }
    const core::TShreddingData& shredding() const { return m_env.Shredding; }
    void setShredding(const core::TShreddingData& data) { m_env.Shredding = data; }
    // The interface language's code, for the section of user names.
    void setLanguageCode(const QString& code) { m_languageCode = code; }

    // ---- the methods
    int Count() const { return int(m_items.size()); }
    const TStatMethod& Items(int i) const { return m_items[std::size_t(i)]; }
    TStatMethod& Items(int i) { return m_items[std::size_t(i)]; }
    bool IsShown(int i) const { return AllFavorites || m_items[std::size_t(i)].Favorite; }
    // The first method with the code (with parameter), ignoring case; -1 when there is none.
    int IndexOfCode(const QString& code) const;

    void Fill();
    QString GetDisplayName(int i, bool withFlags) const;
    static QString GetCategoryCaption(int category);
    std::unique_ptr<TCustomStat> CreateStat(int i) const;
    // Throws core::EConvertError naming the selector when nothing is selected (index < 0).
    std::unique_ptr<TCustomStat> CreateStatFromSelection(int index, const QString& selectorName) const;

    // The methods a statistics selector offers, in its order (alphabetical when Ordered).
    std::vector<int> SelectorMethods(bool graphsOnly) const;

    void SelectAllFavorites();
    void NormalizeFavorites();
    QString GetFavoritesText() const;
    void SetFavoritesText(const QString& text);

    // The names file. Errors come back as the message to show, and the call returns false.
    bool LoadFilterNames(const QString& fileName, bool withOptions, QString* error = nullptr);
    bool SaveFilterNames(const QString& fileName, bool withOptions, bool allNames, QString* error = nullptr) const;

    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;
    bool AllFavorites = true;

private:
    QString namesSection() const;

    StatEnv m_env;
    QString m_languageCode = QStringLiteral("RUS");
    std::vector<TStatMethod> m_items;
};

} // namespace stats
