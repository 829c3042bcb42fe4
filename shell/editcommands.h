#pragma once
// The rules behind the grid edit commands and the go-to and replace dialogs, apart from any window:
// which items the edit menu offers, the clipboard text, how a paste is trimmed and sized, the sign
// of a replace option and where "Gå till" scrolls a system.

#include "shell/document.h"

#include <QString>

#include <functional>

namespace editcommands {

// The six items of the edit menu.
struct EditItems {
    bool klipput = false;
    bool kopiera = false;
    bool klistrain = false;
    bool tabort = false;
    bool gatillmenu = false;
    bool bytut = false;
};

// A frame offers copy and go-to; a system everything, paste only with text on the clipboard; nothing
// unless the document's focused control is a grid.
EditItems editItems(DocumentKind kind, bool focusIsGrid, bool clipboardHasText);

// A grid's selection text as it goes on the clipboard: every CR followed by LF.
QString clipboardText(const QString& clip);

// The clipboard text cut to the part from its first to its last sign character ("1", "X", "x",
// "2"); empty when it holds none.
QString pasteText(const QString& clipboard);

// A grid block, fixed rows and columns counted.
struct Selection {
    int startRow = 1;
    int endRow = 1;
    int startCol = 1;
    int endCol = 1;
};

struct PastePlan {
    Selection selection;  // the grid's selection afterwards, whether or not it is written
    bool write = false;
};

// Sizes the block that text t (from pasteText) fills from the selection's start on a grid of
// gridRows x gridCols. A block running past the grid asks acceptCut once (OK true): OK cuts it at
// the grid's edge, Cancel pastes nothing.
PastePlan planPaste(
    const QString& t, const Selection& selection, int gridRows, int gridCols, const std::function<bool()>& acceptCut);

// The sign of a replace option: 0 "1", 1 "X", 2 "2", 3 blank.
QString optionSign(int index);

// "Gå till" in a system whose grid has cols columns (one per system row after the label column).
struct RowJump {
    bool exists = false;  // false: the row does not exist and nothing moves
    QString boxText;  // the go-to box afterwards
    int leftCol = 1;  // the first scrolling column to show
};
RowJump jumpToRow(const QString& boxText, int cols);

}  // namespace editcommands
