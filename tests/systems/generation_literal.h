#pragma once
// The step-by-step method of building a system, slow on purpose and plain (1-based rows of F, marks
// stored in the digit tables, G grown by 50 rows).
// The tests and the benchmarks hold the fast builder against it. Progress is reported once per step,
// with the same units as the fast builder.

#include "systems/generation.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace literal {

using Row = std::array<std::uint8_t, 15>;

inline GeneratedSystem generateSystem(const GenerationSettings& settings, const GenerationProgress& progress = {})
{
    const int halvgard = settings.halvgard, helgard = settings.helgard, n = halvgard + helgard;
    long long N = 1;
    for (int k = 0; k < n; ++k)
        N *= k < halvgard ? 2 : 3;

    GeneratedSystem out;
    out.positions = n;
    auto stop = [&](long long done, long long total) { return progress && progress(done, total); };
    auto cancel = [&] {
        out.cancelled = true;
        return out;
    };

    // 1. Full variation.
    std::vector<std::uint8_t> F((N + 2) * (n + 1), 0);
    auto f = [&](long long r, int k) -> std::uint8_t& { return F[r * (n + 1) + k]; };
    std::array<int, 16> D{};
    for (long long r = 1; r <= N; ++r) {
        for (int k = 0; k <= n - 1; ++k)
            if ((D[k] == 2 && k <= halvgard - 1) || D[k] == 3) {
                D[k] = 0;
                D[k + 1] = D[k + 1] + 1;
            }
        for (int k = 0; k <= n - 1; ++k)
            f(r, k) = static_cast<std::uint8_t>(D[k]);
        D[0] = D[0] + 1;
    }

    std::vector<Row> G(51);
    long long P = 0;
    // A write beyond G's end grows it by 50 rows and is repeated.
    auto g = [&](long long p) -> Row& {
        while (p >= static_cast<long long>(G.size()))
            G.resize(G.size() + 50);
        return G[p];
    };
    auto rowNumber = [&](const Row& d) {
        long long number = 1, weight = 1;
        for (int k = 0; k < n; ++k) {
            number += d[k] * weight;
            weight *= k < halvgard ? 2 : 3;
        }
        return number;
    };
    auto write = [&] {
        for (long long c = 0; c < P; ++c)
            out.digits.insert(out.digits.end(), G[c].begin(), G[c].begin() + n);
        out.rows = P;
        return out;
    };

    if (settings.urad == 0) {
        if (settings.fel != 1 && settings.fel != 2) {
            // 2. 13 right: every combination in row-number order.
            for (long long r = 1; r <= N; ++r, ++P)
                for (int k = 0; k < n; ++k)
                    g(P)[k] = f(r, k);
            return write();
        }

        // 3. Greedy covering.
        const int R = settings.fel == 1 ? 2 : 3, L = settings.fel == 1 ? 0 : 1, w = halvgard + 2 * helgard;
        std::vector<Row> list(2 + w + L * w * w);
        long long start = 1, covered = 0;
        int E = 0;
        Row B{};
        while (true) {
            if (stop(covered, N + 1))
                return cancel();
            if (P > 0) {
                long long best = 0;
                for (long long r = start; r <= N; ++r) {
                    long long score = 0;
                    const std::uint8_t* fr = &f(r, 0);
                    const Row* g0 = G.data();  // raw pointers keep the unoptimised test build quick
                    for (long long p = 0; fr[0] != 127 && p <= P - 1; ++p) {
                        const std::uint8_t* gp = g0[p].data();
                        int count = 0;
                        for (int k = 0; k < n && count < R + 1; ++k)
                            count += fr[k] != gp[k];
                        score += count == R ? 1 : count > R ? 2 : 0;
                    }
                    if (score > best) {
                        best = score;
                        std::copy(fr, fr + n + 1, B.begin());
                    }
                    if (score == 2 * P) {
                        start = r;
                        break;
                    }
                    start = 1;
                }
                if (best == 0) {
                    E = E + 1;
                    if (E == 2)
                        return write();
                    P = P - 1;
                }
            }
            std::copy(B.begin(), B.begin() + n, g(P).begin());
            list[0] = B;
            for (int j = 0; j <= L * w; ++j) {
                int e = j * w + 1;
                for (int k = 0; k < n; ++k)
                    for (int a = 1; a <= (k < halvgard ? 1 : 2); ++a, ++e) {
                        list[e] = list[j];
                        list[e][k] = static_cast<std::uint8_t>((list[j][k] + a) % (k < halvgard ? 2 : 3));
                    }
            }
            for (int i = 0; i <= w + L * w * w; ++i) {
                const long long r = rowNumber(list[i]);
                if (f(r, 0) != 127) {
                    covered = covered + 1;
                    f(r, 0) = 127;
                }
            }
            P = P + 1;
        }
    }

    // 4. Base-row selection.
    const long long s = settings.fel == 1 ? 3000 : 4950;
    for (long long r = 1; r <= N; ++r) {
        int e = 0;
        for (int k = 0; k < n; ++k)
            e += f(r, k) != 0;
        if (settings.allowed[e]) {
            std::copy(&f(r, 0), &f(r, 0) + n + 1, g(P).begin());
            P = P + 1;
        }
        if (stop(s * r, 4950 * N))
            return cancel();
    }
    if (settings.fel != 1)
        return write();

    // 4a. RU reduction in passes.
    std::vector<Row> M(N + 2);
    for (long long i = 0; i < P; ++i)
        std::copy(G[i].begin(), G[i].begin() + 13, M[i].begin());
    // The digits of M never change (only the mark does), so each row's number of errors is counted
    // once; a distance that has reached 2 is no longer 1; positions n..12 hold 0 in every row. All
    // three only spare the tests time.
    std::vector<int> errors(P);
    for (long long i = 0; i < P; ++i)
        for (int k = 0; k <= 12; ++k)
            errors[i] += M[i][k] != 0;
    Row* m = M.data();
    Row* g0 = G.data();
    const int* err = errors.data();
    long long prev = 0;
    while (true) {
        for (int e = 0; e <= 13; ++e) {
            if (!settings.allowed[e])
                continue;
            for (long long i = 0; i <= P - 1; ++i) {
                const std::uint8_t* mi = m[i].data();
                const int c = mi[0] == 64 || g0[i][0] == 32 ? 64 : err[i];
                if (c != e)
                    continue;
                g0[i][0] = 32;
                for (long long j = 0; j <= P - 1; ++j) {
                    std::uint8_t* mj = m[j].data();
                    if (j == i || mj[0] == 64)
                        continue;
                    int d = 0;
                    for (int k = 0; k <= n - 1 && d < 2; ++k)
                        d += mj[k] != mi[k];
                    if (d == 1)
                        mj[0] = 64;
                }
                break;
            }
        }
        long long count = 0;
        for (long long i = 0; i < P; ++i)
            count += M[i][0] != 64;
        const long long change = prev - count;
        const double x = 3000.0 + 1950.0 / std::pow(static_cast<double>(std::llabs(change) + 1), 1.0 / 4.0);
        if (stop(std::llround(x * static_cast<double>(N)), 4950 * N))
            return cancel();
        if (count == prev)
            break;
        prev = count;
    }
    long long kept = 0;
    for (long long i = 0; i < P; ++i)
        if (M[i][0] != 64)
            std::copy(M[i].begin(), M[i].begin() + 13, G[kept++].begin());
    P = kept;
    return write();
}

}  // namespace literal
