#include "frame/rowcreation.h"
#include "rowcreation_literal.h"
#include "shell/texts/textids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>

using namespace rowcreation;
using namespace std::string_literals;

namespace {

// Draws given in advance; a draw beyond them fails the test.
class ScriptedRandom final : public UniformSource {
public:
    explicit ScriptedRandom(std::vector<double> d = {}) : draws(std::move(d)) { }
    double next() override
    {
        EXPECT_LT(used, draws.size()) << "more draws than scripted";
        return used < draws.size() ? draws[used++] : 0.0;
    }
    std::vector<double> draws;
    std::size_t used = 0;
};

class SeededRandom final : public UniformSource {
public:
    explicit SeededRandom(unsigned seed) : engine(seed) { }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }
    std::mt19937 engine;
};

FrameInput frameOf(double rows) { return {.rowTotal = rows, .filter = false, .bounds = {}, .removeEqualRows = false}; }

// Marks match m with signs from "1", "X", "2" and gives it a type.
void mark(FrameInput& in, int m, const std::string& signs, std::uint8_t type = 0, std::uint8_t startRow = kNoStartRow)
{
    MatchInput& mi = in.matches[m];
    mi.marked = {};
    for (char c : signs)
        mi.marked[c == '1' ? 0 : c == 'X' ? 1 : 2] = true;
    mi.type = frame::matchTypeFromByte(type);
    mi.startRowSign = startRow;
}

void filterOn(FrameInput& in, FilterBounds bounds, bool removeEqualRows)
{
    in.filter = true;
    in.bounds = bounds;
    in.removeEqualRows = removeEqualRows;
}

// The signs of matches ms in rows 0..n-1, a column of text each joined by " "; "." for no sign.
std::string columns(const RowMatrix& rows, const std::vector<int>& ms, long long n)
{
    std::string s;
    for (int m : ms) {
        s += s.empty() ? "" : " ";
        for (long long r = 0; r < n; ++r)
            s += ".1X2"[rows.at(m, r) & 3];
    }
    return s;
}

// Rows made without draws; the frame must be created.
Result created(const FrameInput& in)
{
    ScriptedRandom rnd;
    Result r = createRows(in, rnd);
    EXPECT_EQ(r.outcome, Outcome::Created);
    return r;
}

// The message a run ends with as "text style", each message text reading "<its name>"; "" for none.
std::string said(const Result& r)
{
    static const std::map<int, const char*> names = {{kMsgSlotInvalid.value, "SlotInvalid"},
        {kMsgSlotHalfGuardsShort.value, "SlotHalfGuardsShort"}, {kMsgFilterRemovedAll.value, "FilterRemovedAll"},
        {kMsgFilterKeptAll.value, "FilterKeptAll"}, {kMsgFilterRemoved.value, "FilterRemoved"},
        {kMsgFilterOfAll.value, "FilterOfAll"}, {kMsgFilterNowLeft.value, "FilterNowLeft"},
        {kMsgFilterRows.value, "FilterRows"}};
    const auto m =
        messageFor(r, [](MessageTextId id) { return QStringLiteral("<%1>").arg(QLatin1String(names.at(id.value))); });
    return m ? m->text.toStdString() + ' ' + std::to_string(m->style) : std::string();
}

// Rows from..from+n-1, all matches.
std::vector<std::uint8_t> rowBytes(const RowMatrix& mx, long long from, long long n)
{
    return {mx.row(from), mx.row(from) + n * mx.stride()};
}

constexpr FilterBounds kOpenFilter{{13, 13, 13}, {0, 0, 0}};

}  // namespace

TEST(RowCreation, SinglesGiveOneRowAndUnmarkedMatchesNoSign)
{
    FrameInput in = frameOf(1);
    mark(in, 0, "1");
    mark(in, 4, "X");
    mark(in, 12, "2");
    mark(in, 7, "X2");  // a single with two marks: the later sign is the one written
    const Result r = created(in);
    // One row, then the empty row that row creation always adds.
    EXPECT_EQ(std::tuple(r.total, r.rows.upperMatch(), r.rows.upperRow(), r.marksRecorded, said(r)),
        std::tuple(1, 13, 1, true, ""));
    EXPECT_EQ(columns(r.rows, {0, 1, 4, 7, 12, 13}, 2), "1. .. X. 2. 2. ..");
    EXPECT_EQ(r.marks.antalmarkerade, (std::array<std::uint8_t, 14>{1, 0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 1}));
    EXPECT_EQ(r.marks.ettamarkerad, (std::array<std::uint8_t, 14>{1}));
}

TEST(RowCreation, SystemsExpandSlowestFirstReadingTheGridRowsOfTheirGuards)
{
    struct Mark {
        int match;
        const char* signs;
        std::uint8_t type, startRow = kNoStartRow;
    };
    // what, rows, slots (type, rows, guarded, full, grid), marks, the matches shown and their signs
    using Case = std::tuple<const char*, int, std::vector<SlotInput>, std::vector<Mark>, std::vector<int>, const char*>;
    const Case cases[] = {
        {"system 1 varies slower than system 2; a full guard: system row j gives sign j", 6,
            {{0, 3, 1, 1, {"1X2"}}, {0, 2, 1, 0, {"12"}}}, {{3, "1X2", 1}, {7, "1X", 2}}, {3, 7}, "11XX22 1X1X1X"},
        {"the first mathematical guard fastest", 4, {}, {{2, "X2", 5}, {5, "12", 5}}, {2, 5}, "X2X2 1122"},
        {"a full guard before a half guard, inside a system: the odometer restarts with every system row", 12,
            {{0, 2, 1, 0, {"12"}}}, {{0, "1X2", 5}, {1, "1X", 5}, {12, "X2", 1}}, {0, 1, 12},
            "1X21X21X21X2 111XXX111XXX XXXXXX222222"},
        {"half guard X2: system 1 -> X, 2 -> 2, a system X leaves no sign", 3, {{0, 3, 1, 0, {"1X2"}}}, {{6, "X2", 1}},
            {6}, "X.2"},
        {"base row black 2, other 1: system 1 -> 2, 2 -> 1", 2, {{1, 2, 1, 0, {"12"}}}, {{6, "12", 1, 2}}, {6}, "21"},
        {"half guards take grid rows 1, 2 in match order, the full guard row G - H + 1 = 3 wherever it stands", 2,
            {{0, 2, 3, 1, {"11", "22", "12"}}}, {{0, "1X2", 1}, {1, "1X", 1}, {2, "12", 1}}, {0, 1, 2}, "12 11 22"}};
    for (const auto& [what, rows, slots, marks, ms, want] : cases) {
        FrameInput in = frameOf(rows);
        std::ranges::copy(slots, in.slots.begin());
        for (const Mark& m : marks)
            mark(in, m.match, m.signs, m.type, m.startRow);
        EXPECT_EQ(columns(created(in).rows, ms, rows), want) << what;
    }
}

TEST(RowCreation, PatternTables)
{
    const std::array<bool, 3> oneX{true, true, false}, x2{false, true, true}, one2{true, false, true},
        all{true, true, true}, single{true, false, false};
    // Without a base row the marked signs in order; with one, system "1" is the black sign, "X" and
    // "2" the others in the order "1", "X", "2". No black cell among the marks: no pointer moves.
    constexpr int none = kNoStartRow;
    using G = GuardPointer;
    // type, black sign, marked cells, sign of each system sign, pointer
    const std::tuple<int, int, std::array<bool, 3>, std::array<std::uint8_t, 3>, GuardPointer> cases[] = {
        {0, none, oneX, {1, 0, 2}, G::Half}, {0, none, x2, {2, 0, 3}, G::Half}, {0, none, one2, {1, 0, 3}, G::Half},
        {0, none, all, {1, 2, 3}, G::Full}, {0, none, single, {}, G::None}, {1, 0, oneX, {1, 0, 2}, G::Half},
        {1, 0, one2, {1, 0, 3}, G::Half}, {1, 0, all, {1, 2, 3}, G::Full}, {1, 1, oneX, {2, 0, 1}, G::Half},
        {1, 1, x2, {2, 0, 3}, G::Half}, {1, 1, all, {2, 1, 3}, G::Full}, {1, 2, one2, {3, 0, 1}, G::Half},
        {1, 2, x2, {3, 0, 2}, G::Half}, {1, 2, all, {3, 1, 2}, G::Full}, {1, none, oneX, {}, G::None},
        {1, 2, oneX, {}, G::None}};
    for (const auto& [type, black, marked, sign, pointer] : cases) {
        SCOPED_TRACE(testing::Message() << type << " black " << black);
        const SignMap map = signMap(static_cast<std::uint8_t>(type), marked, static_cast<std::uint8_t>(black));
        EXPECT_EQ(std::pair(map.pointer, pointer == G::None ? sign : map.sign), std::pair(pointer, sign));
    }
}

TEST(RowCreation, SlotChecksStopAtTheFirstFailure)
{
    FrameInput in = frameOf(16);
    auto failure = [&in] {
        const auto f = checkSlots(in);
        return f ? std::pair{f->slot, f->message.value} : std::pair{-1, 0};
    };
    in.slots[0] = in.slots[1] = SlotInput{0, 4, 2, 1, {"12", "1X2"}};  // needs 1 half and 1 full guard
    mark(in, 0, "1X", 1);
    mark(in, 1, "1X", 1);  // slot 1: too many half guards
    mark(in, 2, "1X", 2);  // slot 2: no full guard
    EXPECT_EQ(failure(), std::pair(0, kMsgSlotTooManyHalf.value));
    mark(in, 1, "");
    EXPECT_EQ(failure(), std::pair(0, kMsgSlotFullGuardsShort.value));
    mark(in, 1, "1X2", 1);
    EXPECT_EQ(failure(), std::pair(1, kMsgSlotFullGuardsShort.value));
    mark(in, 3, "1X2", 2);
    mark(in, 2, "");
    EXPECT_EQ(failure(), std::pair(1, kMsgSlotHalfGuardsShort.value));

    ScriptedRandom rnd;
    const Result r = createRows(in, rnd);
    // The matrix was already sized, and stays empty.
    EXPECT_EQ(std::tuple(r.outcome, r.marksRecorded, r.rows.upperRow(), columns(r.rows, {0}, 4), said(r)),
        std::tuple(Outcome::SlotInvalid, false, 16, "....", "<SlotInvalid>2<SlotHalfGuardsShort> 48"));

    // An unused slot is not checked beyond its half guards.
    in = frameOf(1);
    in.slots[2] = SlotInput{0, 4, 2, 1, {}};
    EXPECT_EQ(failure(), std::pair(-1, 0));
}

TEST(RowCreation, PercentQuotasAreMetExactlyAndTheTextIsReadByPosition)
{
    // Each sign takes its share of the rows plus 0.3, cut to a whole row; row 0 and the rows the
    // cutting leaves over go to the largest share, a tie to the earlier sign.
    // percent, rows, count of "1", "X", "2"
    const std::tuple<std::array<double, 3>, int, std::array<long long, 3>> cases[] = {{{50, 30, 20}, 10, {5, 3, 2}},
        {{34, 33, 33}, 100, {34, 33, 33}}, {{35, 35, 30}, 2, {1, 1, 0}},  // 0.7 + 0.3 makes a row
        {{20, 20, 60}, 1, {0, 0, 1}}, {{50, 50, 0}, 3, {2, 1, 0}},  // ties
        {{50, 0, 50}, 3, {2, 0, 1}}, {{0, 50, 50}, 3, {0, 2, 1}}, {{0, 50, 50}, 100, {0, 50, 50}},
        {{0, 0, 100}, 9, {0, 0, 9}}, {{45, 45, 10}, 10, {5, 4, 1}},
        {{15, 75, 10}, 10, {1, 8, 1}}};  // 4.5 + 0.3 and 1.5 + 0.3 stay 4 and 1
    SeededRandom seeded(7);
    for (const auto& [percent, rows, count] : cases) {
        SCOPED_TRACE(testing::PrintToString(percent) + " of " + std::to_string(rows));
        FrameInput in = frameOf(rows);
        mark(in, 0, "2");
        mark(in, 9, "1X2", 4);
        in.matches[9].percent = percent;
        const Result r = createRows(in, seeded);
        ASSERT_EQ(r.outcome, Outcome::Created);
        // With no system the constant matches fill every row, not just the first.
        EXPECT_EQ(columns(r.rows, {0}, rows), std::string(std::size_t(rows), '2'));
        const std::string col = columns(r.rows, {9}, rows);
        const auto of = [&col](char sign) { return std::count(col.begin(), col.end(), sign); };
        const auto first = std::ranges::max_element(count) - count.begin();
        EXPECT_EQ(
            std::tuple(col[0], of('1'), of('X'), of('2')), std::tuple("1X2"[first], count[0], count[1], count[2]));
    }

    // 34/33/33 of 3: "1" takes row 0 and nothing else; each row with "1" spent takes one wasted
    // draw and one of two, the last row with "1" and "X" spent three draws and is "2".
    FrameInput in = frameOf(3);
    mark(in, 0, "1X2", 4);
    in.matches[0].percent = {34, 33, 33};
    for (const auto& [draws, rows] : {std::pair{std::vector{0.99, 0.1, 0.5, 0.5, 0.5}, "1X2"},
             std::pair{std::vector{0.0, 0.9, 0.0, 0.0, 0.0}, "12X"}}) {
        ScriptedRandom scripted(draws);
        EXPECT_EQ(columns(createRows(in, scripted).rows, {0}, 3), rows);
        EXPECT_EQ(scripted.used, 5u);
    }

    // The percent text is read back by position.
    using P = std::array<double, 3>;
    // "3a", text the boxes let through that is no whole number: its leading number, as the sum was made.
    for (const auto& [text, want] :
        {std::pair{"%   50  30  20", P{50, 30, 20}}, std::pair{"%  100   0   0", P{100, 0, 0}},
            std::pair{"%    0  50  50", P{0, 50, 50}}, std::pair{"%   3a  50  47", P{3, 50, 47}},
            std::pair{"%   25  250050", P{25, 250, 50}}})  // five characters for "X" and the last four for "2"
        EXPECT_EQ(percentValuesFromText(QString::fromLatin1(text)), want) << text;
}

TEST(RowCreation, FilterMessagesCountsAndEqualRows)
{
    // Two mathematical full guards: 9 rows with 0..2 of each sign.
    FrameInput in = frameOf(9);
    mark(in, 0, "1X2", 5);
    mark(in, 1, "1X2", 5);
    filterOn(in, kOpenFilter, false);
    ScriptedRandom rnd;
    Result r = createRows(in, rnd);
    EXPECT_EQ(std::pair(r.outcome, said(r)), std::pair(Outcome::FilterKeptAll, "<FilterKeptAll>9 64"s));

    // At most one "1" and at least one "X".
    in.bounds = {{1, 13, 13}, {0, 1, 0}};
    r = createRows(in, rnd);
    ASSERT_EQ(r.outcome, Outcome::FilterRemoved);
    EXPECT_EQ(r.rows.upperRow(), 5);
    EXPECT_EQ(columns(r.rows, {0, 1}, 5), "X1X2X 1XXX2");  // rows X1 1X XX 2X X2
    EXPECT_EQ(said(r), "<FilterRemoved>4<FilterOfAll>9<FilterNowLeft>5<FilterRows> 64");

    // Nothing passes: kMsgFilterRemovedAll, and the unfiltered rows stay.
    in.bounds = {{13, 13, 13}, {3, 0, 0}};
    r = createRows(in, rnd);
    EXPECT_EQ(std::tuple(r.outcome, r.total, columns(r.rows, {0}, 9), said(r)),
        std::tuple(Outcome::FilterRemovedAll, 9, "1X21X21X2", "<FilterRemovedAll> 48"));

    // Equal rows keep the last of each group. A system whose rows repeat: signs 1 X 1 2 X are rows A B A C B.
    in = frameOf(5);
    in.slots[0] = SlotInput{0, 5, 1, 1, {"1X12X"}};
    mark(in, 4, "1X2", 1);
    filterOn(in, kOpenFilter, true);
    r = createRows(in, rnd);
    ASSERT_EQ(r.outcome, Outcome::FilterRemoved);
    EXPECT_EQ(columns(r.rows, {4}, 4), "12X.");
    EXPECT_EQ(r.rows.bytes().size(), 4u * 14u);  // forminne (0 To 13, 0 To n)
    EXPECT_EQ(said(r), "<FilterRemoved>2<FilterOfAll>5<FilterNowLeft>3<FilterRows> 64");

    // Without the filter the check box does nothing.
    in.filter = false;
    EXPECT_EQ(columns(created(in).rows, {4}, 5), "1X12X");

    // One row left by the filter survives the removal unchanged.
    filterOn(in, {{13, 13, 13}, {0, 0, 1}}, true);
    r = createRows(in, rnd);
    EXPECT_EQ(std::tuple(r.outcome, r.left, columns(r.rows, {4}, 2)), std::tuple(Outcome::FilterRemoved, 1, "2."));
}

TEST(RowCreation, FastEqualRowRemovalMatchesTheStepByStepOne)
{
    std::mt19937 gen(42);
    for (int round = 0; round < 400; ++round) {
        const long long n = gen() % 80;
        // Few varying matches, for many duplicates: the first ones or the last ones, match 13 among them.
        const int varying = 1 + static_cast<int>(gen() % 4);
        const int from = round % 2 == 0 ? 0 : 13 - varying;
        RowMatrix mx(13, n);
        for (long long j = 0; j < n; ++j)
            for (int m = 0; m < 13; ++m)
                mx.at(m, j) = m >= from && m < from + varying ? static_cast<std::uint8_t>(gen() % 4) : 2;
        long long e = 0;
        const RowMatrix want = rowcreation_literal::removeEqualRows(mx, n, e);
        const long long left = removeEqualRows(mx, n);
        ASSERT_EQ(left, e) << "round " << round;
        ASSERT_EQ(rowBytes(mx, 0, left), rowBytes(want, 0, left)) << "round " << round;
    }
}

// From 524,288 rows on the removal keys rows in a bitmap of every possible row. Rows drawn from a
// pool spread over the whole key space, every match varying; the result is compared row for row with
// the distinct rows counted apart: each once, at the place of its last occurrence, and nothing after
// them but empty rows.
TEST(RowCreation, EqualRowRemovalOnALargeFrameKeepsEachDistinctRowOnceInOrder)
{
    const long long n = (1LL << 19) + 3;
    std::mt19937 gen(7);
    std::vector<std::uint32_t> pool(300000);
    for (std::uint32_t& key : pool)
        key = gen() & ((1U << 26) - 1);
    RowMatrix big(13, n);
    for (long long j = 0; j < n; ++j) {
        std::uint32_t key = pool[gen() % pool.size()];
        for (int m = 0; m < 13; ++m, key >>= 2)
            big.at(m, j) = static_cast<std::uint8_t>(key & 3);
    }
    // Each row's bytes with its place, sorted: the last place of each distinct row, in place order.
    std::vector<std::pair<std::string, long long>> places;
    places.reserve(static_cast<std::size_t>(n));
    for (long long j = 0; j < n; ++j)
        places.emplace_back(std::string(reinterpret_cast<const char*>(big.row(j)), 13), j);
    std::sort(places.begin(), places.end());
    std::vector<long long> lastPlaces;
    for (std::size_t i = 0; i < places.size(); ++i)
        if (i + 1 == places.size() || places[i + 1].first != places[i].first)
            lastPlaces.push_back(places[i].second);
    std::sort(lastPlaces.begin(), lastPlaces.end());
    std::vector<std::uint8_t> want;
    for (long long j : lastPlaces)
        want.insert(want.end(), big.row(j), big.row(j) + 14);
    ASSERT_GT(lastPlaces.size(), 100000u);
    ASSERT_LT(lastPlaces.size(), 300000u);

    const long long left = removeEqualRows(big, n);
    ASSERT_EQ(left, static_cast<long long>(lastPlaces.size()));
    EXPECT_TRUE(rowBytes(big, 0, left) == want);
    EXPECT_TRUE(rowBytes(big, left, n - left) == std::vector<std::uint8_t>(static_cast<std::size_t>(n - left) * 14, 0));
}

TEST(RowCreation, CancelLeavesThroughTheAbortPath)
{
    FrameInput in = frameOf(6561);  // 8 mathematical full guards
    for (int m = 0; m < 8; ++m)
        mark(in, m, "1X2", 5);
    ScriptedRandom rnd;
    int calls = 0;
    Result r = createRows(in, rnd, [&] { return ++calls == 2; });
    EXPECT_EQ(std::tuple(r.outcome, calls, said(r)), std::tuple(Outcome::Cancelled, 2, ""));

    // The stop test is asked at a cheap cadence, not once per row.
    calls = 0;
    r = createRows(in, rnd, [&] { return ++calls < 0; });  // counts, never stops
    EXPECT_EQ(r.outcome, Outcome::Created);
    EXPECT_GE(calls, 2);
    EXPECT_LE(calls, 6561 / kStopCadence + 20);

    // Cancel during the equal-row removal: the unfiltered rows stay.
    filterOn(in, kOpenFilter, true);
    int asked = 0;
    r = createRows(in, rnd, [&] { return ++asked > calls; });
    EXPECT_EQ(std::tuple(r.outcome, r.rows.upperRow(), columns(r.rows, {0}, 4)),
        std::tuple(Outcome::Cancelled, 6561, "1X21"));
}

TEST(RowCreation, FramesThatCannotBeHeldAreRefusedBeforeAllocating)
{
    FrameInput in = frameOf(32767.0 * 32767.0 * 32767.0);
    for (int s = 0; s < 3; ++s) {
        in.slots[std::size_t(s)] = SlotInput{0, 32767, 1, 1, {}};
        mark(in, s, "1X2", static_cast<std::uint8_t>(s + 1));
    }
    ScriptedRandom rnd;
    const Result r = createRows(in, rnd);
    EXPECT_EQ(std::pair(r.outcome, r.rows.empty()), std::pair(Outcome::OutOfMemory, true));

    // A stale row total does not hide the product of the slots.
    in.rowTotal = 1;
    EXPECT_EQ(createRows(in, rnd).outcome, Outcome::OutOfMemory);

    for (double bad : {1e300, std::nan(""), HUGE_VAL})
        EXPECT_EQ(createRows(frameOf(bad), rnd).outcome, Outcome::OutOfMemory);

    // The byte limit counts the filter's second matrix.
    const MemoryLimits tight{1000000, peakBytes(1000, false, false)};
    FrameInput f = frameOf(1000);
    EXPECT_EQ(createRows(f, rnd, {}, tight).outcome, Outcome::Created);
    f.filter = true;
    EXPECT_EQ(createRows(f, rnd, {}, tight).outcome, Outcome::OutOfMemory);

    EXPECT_GE(MemoryLimits::forThisMachine().maxRows, 1594323);
}
