#pragma once
// The guarantee table of a reduced system: for every outcome of the guarded positions, how many
// system rows reach 13, 12, 11, 10 and fewer right, gathered per table row (class of the outcome,
// and with base row its number of positions equal to the base row); then the table's cells as the
// guarantee grid stores them, and the reduction text in either language. Pure logic.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Most table rows: 5 classes for each z = 0..13 positions equal to the base row.
constexpr int kGuaranteeTableRows = 70;
// Categories: 0 = 13 right, 1 = 12, 2 = 11, 3 = 10, 4 = fewer than 10.
constexpr int kGuaranteeCategories = 5;

// The sign code of a system grid cell: "1" 0, "2" 1, "X" 2, anything else 4, which matches no outcome.
std::uint8_t guaranteeSignCode(const QString& cellText);

struct GuaranteeSystem {
    int halvgard = 0;  // positions 0..halvgard-1 take "1" or "2"
    int helgard = 0;  // the positions after them take "1", "2" or "X"
    bool baseRow = false;
    int rows = 0;
    std::vector<std::uint8_t> codes;  // rows x positions, row after row

    int positions() const { return halvgard + helgard; }
    std::uint8_t code(int row, int position) const
    {
        return codes[static_cast<std::size_t>(row) * static_cast<std::size_t>(positions()) +
            static_cast<std::size_t>(position)];
    }
};

// What decides every cell of the table.
struct GuaranteeCounts {
    int positions = 0;
    double outcomes = 0;
    bool cancelled = false;
    // Per table row t (index t - 1): without base row t is the class (1 = the best row has 13 right ..
    // 5 = below 10), with base row 5z + class.
    std::array<std::int32_t, kGuaranteeTableRows> hits{};
    // Per table row and category: the most and the fewest system rows over its outcomes (0 and 32767
    // for a table row no outcome reaches).
    std::array<std::array<std::int16_t, kGuaranteeCategories>, kGuaranteeTableRows> maximum{};
    std::array<std::array<std::int16_t, kGuaranteeCategories>, kGuaranteeTableRows> minimum{};
    // Base row only: outcomes per z.
    std::array<std::int32_t, 14> outcomesOfZ{};

    GuaranteeCounts();
    bool operator==(const GuaranteeCounts&) const = default;
};

// Progress and cancel: called now and then with the work done of the total; returns true to cancel.
using GuaranteeProgress = std::function<bool(long long done, long long total)>;

// Raises VbError 5 for a system without guarded positions or with more than 13, 6 for more system
// rows than the 16-bit counters take, 9 when the codes do not hold every row.
void checkGuaranteeSystem(const GuaranteeSystem& system);
// The counts of every outcome at once. On cancel the result is empty with cancelled set.
GuaranteeCounts countGuarantee(const GuaranteeSystem& system, const GuaranteeProgress& progress = {});

// The table as the guarantee grid holds it: 6 columns (7 with base row), data rows 1..rows-1.
struct GuaranteeTable {
    int cols = 6;
    int rows = 6;  // header row included
    std::vector<QString> cells;  // data rows only, row after row

    const QString& cell(int col, int row) const { return cells[static_cast<std::size_t>((row - 1) * cols + col)]; }
};
GuaranteeTable guaranteeTableOf(const GuaranteeCounts& counts, bool baseRow);
