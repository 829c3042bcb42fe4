#pragma once
// A frame's rows (forminne): one SignCode byte per (match, row), with inclusive bounds
// (0..upperMatch, 0..upperRow). The matches of one row lie next to each other, so a row is one
// short run of bytes and a million rows cost 14 MB, not a million allocations.

#include <cstddef>
#include <cstdint>
#include <vector>

class RowMatrix {
public:
    RowMatrix() = default;  // no elements at all
    // All zero. Throws std::bad_alloc when the bytes cannot be had.
    RowMatrix(int upperMatch, long long upperRow)
        : upperMatch_(upperMatch),
          upperRow_(upperRow),
          bytes_(static_cast<std::size_t>(upperMatch + 1) * static_cast<std::size_t>(upperRow + 1))
    {
    }

    int upperMatch() const { return upperMatch_; }
    long long upperRow() const { return upperRow_; }
    int stride() const { return upperMatch_ + 1; }
    bool empty() const { return bytes_.empty(); }

    std::uint8_t at(int match, long long row) const { return bytes_[index(match, row)]; }
    std::uint8_t& at(int match, long long row) { return bytes_[index(match, row)]; }
    const std::uint8_t* row(long long r) const { return bytes_.data() + index(0, r); }
    std::uint8_t* row(long long r) { return bytes_.data() + index(0, r); }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    // Drops the rows after upperRow in place; nothing is allocated, so it cannot fail for lack of
    // memory (the spare capacity is handed back when the library can).
    void truncateRows(long long upperRow)
    {
        if (upperRow < -1 || upperRow >= upperRow_)
            return;
        bytes_.resize(static_cast<std::size_t>(upperMatch_ + 1) * static_cast<std::size_t>(upperRow + 1));
        bytes_.shrink_to_fit();
        upperRow_ = upperRow;
    }

    friend bool operator==(const RowMatrix&, const RowMatrix&) = default;

private:
    std::size_t index(int match, long long row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(upperMatch_ + 1) +
            static_cast<std::size_t>(match);
    }

    int upperMatch_ = -1;
    long long upperRow_ = -1;
    std::vector<std::uint8_t> bytes_;
};
