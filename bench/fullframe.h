#pragma once
// Every row of 13 matches, in the order a frame of 13 mathematical full guards creates them:
// the largest frame there is (1,594,323 rows), with the empty row after the last as a frame keeps it.

#include "core/rowmatrix.h"

namespace bench {

inline RowMatrix fullFrameRows()
{
    const long long n = 1594323;
    RowMatrix m(13, n);
    for (long long r = 0; r < n; ++r) {
        long long v = r;
        for (int k = 12; k >= 0; --k, v /= 3)
            m.at(k, r) = static_cast<std::uint8_t>(1 + v % 3);
    }
    return m;
}

}  // namespace bench
