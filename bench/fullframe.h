#pragma once
// Every row of 13 matches, in the order a frame of 13 mathematical full guards creates them:
// the largest frame there is (1,594,323 rows).

#include "frame/rowmatrix.h"

namespace bench {

// Made on first use and kept: time it in a case of its own before the cases that read it.
inline const RowMatrix& fullFrameRows()
{
    static const RowMatrix rows = [] {
        const long long n = 1594323;
        RowMatrix m(13, n);
        for (long long r = 0; r < n; ++r) {
            long long v = r;
            for (int k = 12; k >= 0; --k, v /= 3)
                m.at(k, r) = static_cast<std::uint8_t>(1 + v % 3);
        }
        return m;
    }();
    return rows;
}

}  // namespace bench
