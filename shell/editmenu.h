#pragma once
// The main window's edit menu: which of its items may be used, and copy, cut, paste and delete on the
// grid that has the focus in the active document, through the system clipboard.

class Document;
class Grid;
class MDIForm1;

// The active document as the edit commands and the go-to and replace dialogs see it.
struct EditDocument {
    Document* document = nullptr;  // the active document, nullptr when none
    Grid* focusedGrid = nullptr;  // the document's focused control, when it is a grid
};
EditDocument activeEditDocument();

namespace editmenu {

// Cut, copy, paste, delete, go to and replace as the main window's commands.
void registerCommands(MDIForm1& main);

void edit_Click(MDIForm1& main);  // the menu opens: set its items
void kopiera_Click();
void klipput_Click();
void klistrain_Click();
void tabort_Click();

}  // namespace editmenu
