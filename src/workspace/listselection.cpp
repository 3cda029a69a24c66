// Selecting a point in any of the point lists.
#include "listbox.h"
#include "mainform.h"

// Select the chosen row in all three visible lists and re-mark every point,
// the chosen one highlighted.
void MainForm::List1_Click(short index) {
    if (index < 0 || index >= static_cast<short>(List1.size())) return;
    const int row = List1[static_cast<std::size_t>(index)]->ListIndex();
    if (row < 0) return;
    // selections set here raise no further clicks, so one pass is all there is
    for (const int list : {0, 1, 3}) List1[static_cast<std::size_t>(list)]->SetListIndex(row);
    MarkPoints(row);
}
