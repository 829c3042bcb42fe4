#pragma once
// Multiplication of two partial systems in the system grid, in three clicks: take block A, take
// block B, place their product (every column of A over every column of B) at the current cell.

#include "shell/texts/textids.h"

#include <QChar>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A block of grid cells, taken column by column: the first character of each cell, or 0 for empty.
struct GridBlock {
    int positions = 0;  // grid rows
    int columns = 0;
    std::vector<char16_t> cells;  // column a, position i at a * positions + i
    char16_t at(int i, int a) const
    {
        return cells[static_cast<std::size_t>(a) * static_cast<std::size_t>(positions) + static_cast<std::size_t>(i)];
    }
};

class Multiplication {
public:
    enum class State : std::uint8_t { WaitingForA, WaitingForB, WaitingForTarget };
    State state() const { return state_; }

    // Takes the selected block (rows startRow..endRow by columns startCol..endCol) into A or B.
    // Returns the button's next caption id: kUiMultiplyTimes after A, kUiMultiplyEquals after B.
    UiTextId takeBlock(
        int startRow, int endRow, int startCol, int endCol, const std::function<QString(int row, int col)>& text);

    struct Placement {
        std::optional<MessageTextId> message;  // kMsgProductTooLong or kMsgProductTooWide when it does not fit
        int lastCol = 0;  // where the current column ends after a written product
    };
    // Writes A x B with its first cell at (row, col) of a grid of gridRows x gridCols; empty source
    // cells write nothing. Back to waiting for A either way.
    Placement place(
        int row, int col, int gridRows, int gridCols, const std::function<void(int row, int col, QChar sign)>& write);

private:
    GridBlock a_;
    GridBlock b_;
    State state_ = State::WaitingForA;
};
