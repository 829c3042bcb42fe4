#pragma once
// The correct-row search step by step, the yardstick of the fast search: a counter per level, a
// level table of one flag per (level, row), and the text built by walking every row once per level.

#include "platform/vbtext.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace rightssearch_literal {

struct Result {
    std::array<std::int64_t, 14> counts{};
    QString text;
};

// rows[r][m]: SignCode of row r at match m.
inline Result search(const std::vector<std::vector<std::uint8_t>>& rows, const std::vector<std::uint8_t>& correct,
    int first, int last, const QString& label)
{
    Result out;
    std::vector<std::vector<bool>> table(15, std::vector<bool>(rows.size() + 1, false));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        int k = 0;
        for (std::size_t m = 0; m < correct.size(); ++m)
            if (m < rows[r].size() && rows[r][m] == correct[m])
                ++k;
        ++out.counts[static_cast<std::size_t>(k)];
        table[static_cast<std::size_t>(k)][r] = true;
    }
    for (int k = first; k >= last; --k) {
        if (out.counts[static_cast<std::size_t>(k)] == 0)
            continue;
        out.text += vb::Dec(k) + label;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (table[static_cast<std::size_t>(k)][r])
                out.text += vb::Dec(static_cast<double>(r + 1)) + QStringLiteral(",");
        out.text.chop(1);
        out.text += QStringLiteral("\r\n\r\n");
    }
    return out;
}

}  // namespace rightssearch_literal
