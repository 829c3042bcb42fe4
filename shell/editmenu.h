#pragma once
// The main window's edit menu: which of its items may be used, and copy, cut, paste and delete on the
// grid that has the focus in the active document, through the system clipboard.

#include <QString>
#include <functional>

class Grid;
class MDIForm1;

// The active document as the edit commands and the go-to and replace dialogs see it.
struct EditDocument {
    int kind = 0;  // MDIForm1::aktivtyp: 1 frame, 2 system, 0 none
    Grid* focusedGrid = nullptr;  // the document's focused control, when it is a grid
    Grid* systemGrid = nullptr;  // a system's grid
    std::function<void()> markChanged;  // a system: its guarantee table outdated, itself unsaved
    std::function<void(const QString&)> goToCoupon;  // a frame: show the coupon with this number
};
EditDocument activeEditDocument();

namespace editmenu {

void edit_Click(MDIForm1& main);  // the menu opens: set its items
void kopiera_Click();
void klipput_Click();
void klistrain_Click();
void tabort_Click();

}  // namespace editmenu
