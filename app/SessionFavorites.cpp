// The favourite methods, the user's own method names and the display options of the statistic
// selectors: the filters manager, the reset of the favourites and the help file of the methods'
// description pages.

#include "app/Languages.h"
#include "app/Session.h"

#include <QHash>

namespace app {

bool Session::filtersManager()
{
    stats::TStatList edited = m_statList;
    showStatus(tr("Подождите пожалуйста..."));
    const bool accepted = m_io.editFavorites(edited, m_folder, helpFile());
    showStatus(QString());
    if (!accepted)
        return false;
    applyFavorites(edited);
    return true;
}

void Session::applyFavorites(const stats::TStatList& edited)
{
    BusyScope busy(*this, tr("Подождите пожалуйста..."));
    QHash<QString, int> byCode;
    for (int i = 0; i < edited.Count(); ++i)
        byCode.insert(edited.Items(i).GetCodeText().toUpper(), i);
    for (int i = 0; i < m_statList.Count(); ++i) {
        stats::TStatMethod& method = m_statList.Items(i);
        const int from = byCode.value(method.GetCodeText().toUpper(), -1);
        if (from < 0)
            continue;
        method.Favorite = edited.Items(from).Favorite;
        method.UserName = edited.Items(from).UserName;
    }
    m_statList.Ordered = edited.Ordered;
    m_statList.ShowGroupName = edited.ShowGroupName;
    m_statList.ShowMethodFlags = edited.ShowMethodFlags;
    // Nothing ticked means every method.
    m_statList.NormalizeFavorites();
    statListReload(false);
    recalcViews(true);
}

bool Session::filtersReset()
{
    if (!askConfirmation(tr("Вы действительно хотите сбросить список избранных фильтров?"), true))
        return false;
    BusyScope busy(*this, tr("Подождите пожалуйста..."));
    m_statList.SelectAllFavorites();
    statListReload(false);
    return true;
}

QString Session::helpFile() const
{
    // The description pages are written in the native language whatever the interface shows.
    return HelpFilePath(m_folder.exeDir(), kNativeLanguage);
}

} // namespace app
