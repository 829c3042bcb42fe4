#pragma once
// The equal-row removal step by step and quadratic: the yardstick the fast removal is
// compared with, in the tests and in the benchmark.

#include "core/rowmatrix.h"

#include <cstring>

namespace rowcreation_literal {

// Rows 0..n-1 of F; returns the survivors as a new matrix of the same shape with count e.
inline RowMatrix removeEqualRows(const RowMatrix& F, long long n, long long& e)
{
    RowMatrix E(F.upperMatch(), F.upperRow());
    e = 0;
    long long i = 0;
    do {
        bool duplicate = false;
        for (long long j = i + 1; j <= n - 1; ++j) {
            int m = 0;
            while (m < 13 && F.at(m, i) == F.at(m, j))
                ++m;
            if (m == 13) {
                duplicate = true;
                break;
            }
        }
        if (!duplicate && n > 1) {
            std::memcpy(E.row(e), F.row(i), static_cast<std::size_t>(F.stride()));
            ++e;
        }
        ++i;
    } while (i < n - 1);
    if (n > 0) {
        std::memcpy(E.row(e), F.row(n - 1), static_cast<std::size_t>(F.stride()));
        ++e;
    }
    return E;
}

}  // namespace rowcreation_literal
