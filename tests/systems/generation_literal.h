#pragma once
// The old step-by-step way of building a system, kept slow on purpose and as close to the old
// method as C++ allows (1-based rows of F, marks stored in the digit tables, G grown by 50 rows).
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
    const int halvgard = settings.halvgard;
    const int helgard = settings.helgard;
    const int n = halvgard + helgard;
    long long N = 1;
    for (int k = 0; k < halvgard; ++k)
        N *= 2;
    for (int k = 0; k < helgard; ++k)
        N *= 3;

    GeneratedSystem out;
    out.positions = n;
    auto stop = [&](long long done, long long total) { return progress && progress(done, total); };
    auto cancel = [&] {
        out.cancelled = true;
        return out;
    };

    // 1. Full variation.
    std::vector<std::uint8_t> F(static_cast<std::size_t>((N + 2) * (n + 1)), 0);
    auto f = [&](long long r, int k) -> std::uint8_t& { return F[static_cast<std::size_t>(r * (n + 1) + k)]; };
    std::array<int, 16> D{};
    for (long long r = 1; r <= N; ++r) {
        for (int k = 0; k <= n - 1; ++k) {
            if ((D[k] == 2 && k <= halvgard - 1) || D[k] == 3) {
                D[k] = 0;
                D[k + 1] = D[k + 1] + 1;
            }
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
        return G[static_cast<std::size_t>(p)];
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
            for (int k = 0; k < n; ++k)
                out.digits.push_back(G[static_cast<std::size_t>(c)][k]);
        out.rows = P;
        return out;
    };

    if (settings.urad == 0) {
        if (settings.fel != 1 && settings.fel != 2) {
            // 2. 13 right: every combination in row-number order.
            for (long long r = 1; r <= N; ++r) {
                for (int k = 0; k < n; ++k)
                    g(P)[k] = f(r, k);
                P = P + 1;
            }
            return write();
        }

        // 3. Greedy covering.
        const int R = settings.fel == 1 ? 2 : 3;
        const int L = settings.fel == 1 ? 0 : 1;
        const int w = halvgard + 2 * helgard;
        std::vector<Row> list(static_cast<std::size_t>(2 + w + L * w * w));
        long long start = 1;
        long long covered = 0;
        int E = 0;
        Row B{};
        while (true) {
            if (stop(covered, N + 1))
                return cancel();
            if (P > 0) {
                long long best = 0;
                const long long from = start;
                for (long long r = from; r <= N; ++r) {
                    long long score = 0;
                    const std::uint8_t* fr = &f(r, 0);
                    if (fr[0] != 127) {
                        const Row* g0 = G.data();
                        for (long long p = 0; p <= P - 1; ++p) {
                            const std::uint8_t* gp = g0[p].data();
                            int count = 0;
                            for (int k = 0; k < n && count < R + 1; ++k)
                                if (fr[k] != gp[k])
                                    ++count;
                            if (count == R)
                                score += 1;
                            else if (count > R)
                                score += 2;
                        }
                    }
                    const bool accepted = score == 2 * P;
                    if (score > best) {
                        best = score;
                        for (int k = 0; k <= n; ++k)
                            B[k] = f(r, k);
                    }
                    if (accepted) {
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
            for (int k = 0; k < n; ++k)
                g(P)[k] = B[k];
            list[0] = B;
            for (int j = 0; j <= L * w; ++j) {
                int e = j * w + 1;
                for (int k = 0; k < n; ++k) {
                    const Row& from = list[static_cast<std::size_t>(j)];
                    if (k < halvgard) {
                        list[static_cast<std::size_t>(e)] = from;
                        list[static_cast<std::size_t>(e)][k] = static_cast<std::uint8_t>(1 - from[k]);
                        ++e;
                    } else {
                        for (int a = 1; a <= 2; ++a) {
                            list[static_cast<std::size_t>(e)] = from;
                            list[static_cast<std::size_t>(e)][k] = static_cast<std::uint8_t>((from[k] + a) % 3);
                            ++e;
                        }
                    }
                }
            }
            for (int i = 0; i <= w + L * w * w; ++i) {
                const long long r = rowNumber(list[static_cast<std::size_t>(i)]);
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
            if (f(r, k) != 0)
                ++e;
        if (settings.allowed[static_cast<std::size_t>(e)]) {
            for (int k = 0; k <= n; ++k)
                g(P)[k] = f(r, k);
            P = P + 1;
        }
        if (stop(s * r, 4950 * N))
            return cancel();
    }
    if (settings.fel != 1)
        return write();

    // 4a. RU reduction in passes.
    std::vector<Row> M(static_cast<std::size_t>(N + 2));
    for (long long i = 0; i < P; ++i)
        for (int k = 0; k <= 12; ++k)
            M[static_cast<std::size_t>(i)][k] = G[static_cast<std::size_t>(i)][k];
    // The digits of M never change (only the mark does), so each row's number of errors is counted
    // once; a distance that has reached 2 is no longer 1; positions n..12 hold 0 in every row. All
    // three only spare the tests time.
    std::vector<int> errors(static_cast<std::size_t>(P));
    for (long long i = 0; i < P; ++i)
        for (int k = 0; k <= 12; ++k)
            if (M[static_cast<std::size_t>(i)][k] != 0)
                ++errors[static_cast<std::size_t>(i)];
    // Raw pointers in the inner loops keep the unoptimised test build quick.
    Row* m = M.data();
    Row* g0 = G.data();
    const int* err = errors.data();
    long long prev = 0;
    while (true) {
        for (int e = 0; e <= 13; ++e) {
            if (!settings.allowed[static_cast<std::size_t>(e)])
                continue;
            for (long long i = 0; i <= P - 1; ++i) {
                const std::uint8_t* mi = m[i].data();
                int c = err[i];
                if (mi[0] == 64 || g0[i][0] == 32)
                    c = 64;
                if (c != e)
                    continue;
                g0[i][0] = 32;
                for (long long j = 0; j <= P - 1; ++j) {
                    std::uint8_t* mj = m[j].data();
                    if (j == i || mj[0] == 64)
                        continue;
                    int d = 0;
                    for (int k = 0; k <= n - 1 && d < 2; ++k)
                        if (mj[k] != mi[k])
                            ++d;
                    if (d == 1)
                        mj[0] = 64;
                }
                break;
            }
        }
        long long count = 0;
        for (long long i = 0; i < P; ++i)
            if (M[static_cast<std::size_t>(i)][0] != 64)
                ++count;
        const long long change = prev - count;
        const double x = 3000.0 + 1950.0 / std::pow(static_cast<double>(std::llabs(change) + 1), 1.0 / 4.0);
        if (stop(std::llround(x * static_cast<double>(N)), 4950 * N))
            return cancel();
        if (count != prev) {
            prev = count;
            continue;
        }
        break;
    }
    long long kept = 0;
    for (long long i = 0; i < P; ++i) {
        if (M[static_cast<std::size_t>(i)][0] == 64)
            continue;
        for (int k = 0; k <= 12; ++k)
            G[static_cast<std::size_t>(kept)][k] = M[static_cast<std::size_t>(i)][k];
        ++kept;
    }
    P = kept;
    return write();
}

}  // namespace literal
