#pragma once
// The window side of "Skapa" that decides things: what the frame hands to row creation, and where
// Enter in a filter box leaves its text and the focus. Form1 calls these with its state.

#include "frame/frameediting.h"
#include "frame/rowcreation.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace frame {

// Grid1(s) without its fixed row and column: one string per grid row (guarded position), one
// byte per system row.
using SlotGrid = std::vector<std::string>;

// What row creation needs of a frame: the marks and match types, the black base-row cell of each
// match, the percentages from the match tags, the slots' systems, the row total in Allrad and the
// filter settings read as Val of their boxes.
rowcreation::FrameInput frameInputFrom(const FrameEditing& ram, std::array<SlotGrid, SlotCount> grids = {});

// Enter in filtertext(index): the box shows `text`, and the focus goes to box `focus` (0..5),
// stays (FocusStays) or goes to "Skapa" (FocusSkapa). Max "1" -> Min "1" -> Max "X" -> ... -> Skapa.
struct FilterEnter {
    static constexpr int FocusStays = -1;
    static constexpr int FocusSkapa = 6;
    QString text;
    int focus = FocusStays;
};
FilterEnter filterEnter(int index, const std::array<QString, 6>& texts);

}  // namespace frame
