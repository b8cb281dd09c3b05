#include "ui/StatSelector.h"

#include "stats/StatList.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace ui {

void FillStatSelector(QComboBox& box, const stats::TStatList& list, bool graphsOnly, bool keep)
{
    const int previous = box.currentIndex();
    const QSignalBlocker blocker(box);
    box.clear();
    for (int method : list.SelectorMethods(graphsOnly))
        box.addItem(list.GetDisplayName(method, true), method);
    if (box.count() == 0)
        return;
    box.setCurrentIndex(keep && previous >= 0 && previous < box.count() ? previous : 0);
}

int SelectedStatMethod(const QComboBox& box)
{
    const QVariant data = box.currentData();
    bool ok = false;
    const int method = data.toInt(&ok);
    return ok ? method : -1;
}

} // namespace ui
