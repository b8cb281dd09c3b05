#pragma once

// The statistics selectors: drop-down lists of methods whose items carry the method's index in
// the statistics list as item data.

class QComboBox;

namespace stats {
class TStatList;
}

namespace ui {

// Refills a selector with the methods it offers (every offered method, or the chartable ones
// only). With keep the previous item index stays selected when it is still in range;
// otherwise the first item is. Emits no change signal of the box.
void FillStatSelector(QComboBox& box, const stats::TStatList& list, bool graphsOnly, bool keep);

// The method index of the selected item; -1 when nothing is selected.
int SelectedStatMethod(const QComboBox& box);

} // namespace ui
