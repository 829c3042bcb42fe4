// Row creation: the equal-row removal fast beside the literal one, a full frame of 3^13 rows created,
// filtered and de-duplicated with events let run beside none let run, and the `create` subcommand.

#include "harness.h"
#include "rowfile.h"

#include "frame/rowcreation.h"
#include "platform/yielder.h"
#include "tests/frame/rowcreation_literal.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <sstream>

using namespace rowcreation;

namespace {

class Mt final : public UniformSource {
public:
    explicit Mt(unsigned long long seed) : engine(seed) { }
    double next() override { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }
    std::mt19937_64 engine;
};

// n rows over the first `varying` matches, about one in four a repeat of an earlier row.
RowMatrix randomRows(long long n, unsigned seed)
{
    std::mt19937 gen(seed);
    RowMatrix mx(13, n);
    for (long long j = 0; j < n; ++j) {
        if (j > 0 && gen() % 4 == 0) {
            std::memcpy(mx.row(j), mx.row(static_cast<long long>(gen() % static_cast<unsigned>(j))), 14);
            continue;
        }
        for (int m = 0; m < 13; ++m)
            mx.at(m, j) = static_cast<std::uint8_t>(1 + gen() % 3);
    }
    return mx;
}

void addDedupeCase(long long n, double minRatio)
{
    // The rows are made inside both runs: the fast removal works in place.
    bench::addCase({"rowcreation.equal-rows-" + std::to_string(n),
        [n] {
            return bench::Runs{[n] {
                                   RowMatrix mx = randomRows(n, 5);
                                   bench::keep(removeEqualRows(mx, n));
                               },
                [n] {
                    const RowMatrix mx = randomRows(n, 5);
                    long long e = 0;
                    bench::keep(rowcreation_literal::removeEqualRows(mx, n, e));
                    bench::keep(e);
                }};
        },
        minRatio});
}

// 13 mathematical full guards: 1,594,323 rows created, filtered and de-duplicated as a new frame
// does. The fast run lets events run through the yielder, as the frame does; the literal run is the
// same creation letting no events run at all: letting them run must cost the creation little.
bench::Runs fullFrame()
{
    static int argc = 1;
    static char name[] = "velkorin-bench";
    static char* argv[] = {name, nullptr};
    const std::shared_ptr<QCoreApplication> app(
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv));
    FrameInput in;
    in.rowTotal = 1594323;
    for (auto& m : in.matches) {
        m.marked = {true, true, true};
        m.type = frame::MatchType::Matematisk;
    }
    in.filter = true;
    in.removeEqualRows = true;
    return {[app, in] {
                Yielder yielder;
                Mt random(1);
                bench::keep(createRows(in, random, [&] { return yielder.step(); }).left);
            },
        [app, in] {
            Mt random(1);
            bench::keep(createRows(in, random).left);
        }};
}

// --- create: one frame from the command line ---

const char* const kCreateUsage =
    "M1 .. M13 [S1=T:R:G:H:ROW/ROW..] [S2=..] [S3=..] [rows=N] [filter=MAX1,MAXX,MAX2,MIN1,MINX,MIN2] "
    "[equal] [seed=N]\n"
    "      match Mi: '-' none; signs 1 X 2 marked (a single, or '1X' etc.); prefix m: mathematical "
    "(m:1X2), s1: s2: s3: guard of System 1..3 (s1:X2; a '*' after a sign marks the base-row sign, "
    "s1:X*1), p:P1/PX/P2 percent (p:50/30/20)\n"
    "      slot Ss: T type 0/1 (base row), R system rows, G guarded, H full guards, one ROW of R signs "
    "per guarded position\n"
    "      rows: the row total (default: the product of the slots in use and the mathematical guards; "
    "give it for percent-only frames)\n"
    "      prints '# outcome total left' and then the rows, one per line, '-' for no sign";

std::vector<std::string> split(const std::string& s, char sep)
{
    std::vector<std::string> out;
    std::stringstream ss(s);
    std::string part;
    while (std::getline(ss, part, sep))
        out.push_back(part);
    return out;
}

bool parseMatch(const std::string& token, MatchInput& m)
{
    std::string signs = token;
    m = MatchInput{};
    if (token.rfind("p:", 0) == 0) {
        const auto parts = split(token.substr(2), '/');
        if (parts.size() != 3)
            return false;
        for (int k = 0; k < 3; ++k)
            m.percent[k] = std::stod(parts[k]);
        m.type = frame::MatchType::Procent;
        m.marked = {true, true, true};
        return true;
    }
    if (token.rfind("m:", 0) == 0) {
        m.type = frame::MatchType::Matematisk;
        signs = token.substr(2);
    } else if (token.size() >= 3 && token[0] == 's' && token[2] == ':' && token[1] >= '1' && token[1] <= '3') {
        m.type = frame::systemMatchType(token[1] - '1');
        signs = token.substr(3);
    }
    if (signs == "-")
        signs.clear();
    for (std::size_t i = 0; i < signs.size(); ++i) {
        const char c = signs[i];
        const int col = c == '1' ? 0 : c == 'X' || c == 'x' ? 1 : c == '2' ? 2 : -1;
        if (col < 0)
            return false;
        m.marked[col] = true;
        if (i + 1 < signs.size() && signs[i + 1] == '*') {
            m.startRowSign = static_cast<std::uint8_t>(col);
            ++i;
        }
    }
    // Fewer than two marks is a single whatever the prefix.
    if ((m.type == frame::MatchType::Matematisk || m.type <= frame::MatchType::System3) &&
        int(m.marked[0]) + int(m.marked[1]) + int(m.marked[2]) < 2)
        m.type = frame::MatchType::None;
    return true;
}

int createCommand(const std::vector<std::string>& args)
{
    FrameInput in;
    int matches = 0;
    double rows = -1;
    unsigned long long seed = 1;
    try {
        for (const std::string& a : args) {
            if (a.size() > 3 && a[0] == 'S' && a[2] == '=') {
                const int s = a[1] - '1';
                const auto f = split(a.substr(3), ':');
                if (s < 0 || s > 2 || f.size() != 5)
                    throw std::invalid_argument(a);
                in.slots[s] = SlotInput{static_cast<std::uint8_t>(std::stoi(f[0])), std::stoi(f[1]), std::stoi(f[2]),
                    std::stoi(f[3]), split(f[4], '/')};
            } else if (a.rfind("rows=", 0) == 0) {
                rows = std::stod(a.substr(5));
            } else if (a.rfind("seed=", 0) == 0) {
                seed = std::stoull(a.substr(5));
            } else if (a.rfind("filter=", 0) == 0) {
                const auto v = split(a.substr(7), ',');
                if (v.size() != 6)
                    throw std::invalid_argument(a);
                in.filter = true;
                for (int k = 0; k < 3; ++k) {
                    in.bounds.max[k] = std::stod(v[k]);
                    in.bounds.min[k] = std::stod(v[k + 3]);
                }
            } else if (a == "equal") {
                in.removeEqualRows = true;
            } else if (matches < 13 && parseMatch(a, in.matches[matches])) {
                ++matches;
            } else {
                throw std::invalid_argument(a);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "create: bad argument %s\nusage: create %s\n", e.what(), kCreateUsage);
        return 2;
    }
    if (matches != 13) {
        std::fprintf(stderr, "create: 13 matches wanted, %d given\nusage: create %s\n", matches, kCreateUsage);
        return 2;
    }
    if (rows < 0) {
        // The editor's total: mathematical guards times the rows of every slot in use.
        rows = 1;
        bool used[3] = {};
        for (const MatchInput& m : in.matches) {
            const int n = int(m.marked[0]) + int(m.marked[1]) + int(m.marked[2]);
            if (m.type == frame::MatchType::Matematisk)
                rows *= n;
            if (frame::isSystemType(m.type))
                used[frame::slotOfType(m.type)] = true;
        }
        for (int s = 0; s < 3; ++s)
            if (used[s])
                rows *= in.slots[s].rows;
    }
    in.rowTotal = rows;
    Mt random(seed);
    const Result r = createRows(in, random);
    static const char* const names[] = {"created", "filter-kept-all", "filter-removed", "filter-removed-all",
        "slot-invalid", "cancelled", "out-of-memory"};
    std::printf("# %s total=%lld left=%lld", names[static_cast<int>(r.outcome)], r.total, r.left);
    if (r.outcome == Outcome::SlotInvalid)
        std::printf(" slot=%d message=%d", r.failedSlot + 1, r.slotMessage.value);
    std::printf("\n");
    std::fflush(stdout);
    const long long shown = r.outcome == Outcome::FilterRemovedAll ? 0 : r.left;
    const bool written =
        bench::writeRows(shown, 13, [&](long long row, int match) { return "-1X2"[r.rows.at(match, row) & 3]; });
    return r.outcome == Outcome::OutOfMemory || !written ? 1 : 0;
}

// The literal removal compares each row with every later one: 100,000 rows take about 20 s, the
// 1,594,323 of a full frame hours.
bench::Registrar registrar([] {
    addDedupeCase(20000, 60);
    addDedupeCase(100000, 300);
    bench::addCase({"rowcreation.full-frame", fullFrame, 0.7});
    bench::addCommand({"create", kCreateUsage, createCommand});
});

}  // namespace
