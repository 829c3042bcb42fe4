#include "systems/multiplication.h"

#include "shell/texts/textids.h"

UiTextId Multiplication::takeBlock(
    int startRow, int endRow, int startCol, int endCol, const std::function<QString(int row, int col)>& text)
{
    GridBlock block;
    block.positions = endRow - startRow + 1;
    block.columns = endCol - startCol + 1;
    block.cells.reserve(static_cast<std::size_t>(block.positions) * static_cast<std::size_t>(block.columns));
    for (int c = startCol; c <= endCol; ++c)
        for (int r = startRow; r <= endRow; ++r) {
            const QString t = text(r, c);
            block.cells.push_back(t.isEmpty() ? char16_t(0) : t.at(0).unicode());
        }
    if (state_ == State::WaitingForA) {
        a_ = std::move(block);
        state_ = State::WaitingForB;
        return kUiMultiplyTimes;
    }
    b_ = std::move(block);
    state_ = State::WaitingForTarget;
    return kUiMultiplyEquals;
}

Multiplication::Placement Multiplication::place(
    int row, int col, int gridRows, int gridCols, const std::function<void(int row, int col, QChar sign)>& write)
{
    state_ = State::WaitingForA;
    // 64-bit: two blocks of thousands of columns multiply past an int.
    const long long products = static_cast<long long>(a_.columns) * b_.columns;
    if (row + (a_.positions - 1) + (b_.positions - 1) >= gridRows - 1)
        return {kMsgProductTooLong, col};
    if (products + col > gridCols)
        return {kMsgProductTooWide, col};
    int target = col;
    for (int a = 0; a < a_.columns; ++a)
        for (int b = 0; b < b_.columns; ++b, ++target) {
            for (int i = 0; i < a_.positions; ++i)
                if (const char16_t s = a_.at(i, a))
                    write(row + i, target, QChar(s));
            for (int j = 0; j < b_.positions; ++j)
                if (const char16_t s = b_.at(j, b))
                    write(row + a_.positions + j, target, QChar(s));
        }
    return {std::nullopt, products > 0 ? target - 1 : col};
}
