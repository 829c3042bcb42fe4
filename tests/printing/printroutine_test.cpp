// The print routine on a recording context: the coordinates of the marks, the pages, the range, the
// jokers, skew and the turned coupon, the messages and the errors, and that every way out ends the job.

#include "printing/printroutine.h"

#include "shell/texts/textids.h"
#include "support/testhelpers.h"

#include <new>

namespace {

using gdi::GdiCall;

// dpi 254: one pixel per tenth of a millimetre, so distances are pixels.
constexpr gdi::RecordingContext::Caps kExact{254, 254, 0, 0};
constexpr gdi::RecordingContext::Caps kWorked{600, 600, 50, 40};

RowMatrix rowsOf(std::initializer_list<const char*> rows)
{
    RowMatrix m(12, static_cast<long long>(rows.size()) - 1);
    std::uint8_t* out = m.row(0);  // the rows one after the other, 13 bytes each
    for (const char* row : rows)
        for (int k = 0; k < 13; ++k)
            *out++ = static_cast<std::uint8_t>(QStringLiteral("-1X2").indexOf(QLatin1Char(row[k])));
    return m;
}

RowMatrix sameRows(long long n)
{
    RowMatrix m(12, n - 1);
    std::fill_n(m.row(0), 13 * n, std::uint8_t{1});
    return m;
}

// The reset calibration with some distances changed.
PrintCalibration calibration(std::initializer_list<std::pair<CalibrationDistance, std::int16_t>> changes)
{
    PrintCalibration c = resetCalibration();
    for (const auto& [d, value] : changes)
        c.distance[d] = value;
    return c;
}
PrintCalibration grid(std::int16_t top, std::int16_t left) { return calibration({{TOP, top}, {LEFT, left}}); }

struct Printed {
    std::vector<GdiCall> calls;
    int error = 0;
    std::vector<GdiCall> named(std::initializer_list<const char*> names) const
    {
        return gdi::RecordingContext::named(calls, names);
    }
    int count(const char* name) const { return static_cast<int>(named({name}).size()); }
    // Marks drawn (a cross is two MoveToEx, a box one Rectangle).
    int marks() const { return count("MoveToEx") / 2 + count("Rectangle"); }
    std::vector<int> marksPerPage() const
    {
        std::vector<int> pages{0};  // in half marks first
        for (const GdiCall& c : calls) {
            if (c.name == u"NewPagePrint")
                pages.push_back(0);
            pages.back() += c.name == u"Rectangle" ? 2 : int(c.name == u"MoveToEx");
        }
        for (int& p : pages)
            p /= 2;
        return pages;
    }
};

Printed print(const RowMatrix& rows, const PrintCalibration& cal, const PrintChoices& choices = {},
    gdi::RecordingContext::Caps caps = kExact, bool cancelOutsideMargin = false, int calibrationError = 0)
{
    RecordingPrintHooks hooks(caps, cal, cancelOutsideMargin);
    if (calibrationError)
        hooks.failCalibrationWith(calibrationError);
    Printed run;
    run.error = printCoupons(rows, QString::number(rows.upperRow() + 1), choices, hooks);
    run.calls = hooks.recording().calls();
    return run;
}

GdiCall call(const char* name, std::vector<long long> args = {})
{
    return {QString::fromLatin1(name), std::move(args)};
}
std::vector<GdiCall> messages(MessageTextId id) { return {call("Message", {id.value})}; }

// Coupons fran..till only.
PrintChoices range(const char* fran, const char* till)
{
    return {.range = true, .fran = QString::fromLatin1(fran), .till = QString::fromLatin1(till)};
}

PrintChoices jokers(bool joker1, bool joker2) { return {true, false, {}, {}, joker1, joker2}; }

// The job ends, and the pen and the brush go, on every way out.
void expectJobEnded(const Printed& run)
{
    ASSERT_FALSE(run.calls.empty());
    EXPECT_EQ(
        std::tuple(run.calls.back(), run.count("EndPrint"), gdi::liveObjects()), std::tuple(call("EndPrint"), 1, 0U));
}

TEST(PrintRoutine, WorkedExampleCallForCall)
{
    const Printed run = print(rowsOf({"X------------", "-2-----------"}), resetCalibration(), {}, kWorked);
    ASSERT_GE(run.calls.size(), 2U);
    // The pen, the brush, the device's sizes; "X" of match 1, row 1; "2" of match 2, row 2 at
    // 281 + 347 + 212, 314 + 102.
    const std::vector<GdiCall> expected = {call("SelectObject", run.calls[0].args),
        call("SelectObject", run.calls[1].args), call("GetDeviceCaps", {88}), call("GetDeviceCaps", {90}),
        call("GetDeviceCaps", {112}), call("GetDeviceCaps", {113}), call("MoveToEx", {387, 314}),
        call("LineTo", {420, 364}), call("MoveToEx", {420, 314}), call("LineTo", {387, 364}),
        call("MoveToEx", {840, 416}), call("LineTo", {873, 466}), call("MoveToEx", {873, 416}),
        call("LineTo", {840, 466}), call("EndPrint")};
    EXPECT_EQ(run.calls, expected);
    EXPECT_NE(run.calls[0].args, run.calls[1].args);
    EXPECT_EQ(std::tuple(gdi::liveObjects(), run.error), std::tuple(0U, 0));
}

// Twice as many pixels down as across, and margins that differ: every vertical distance, offset and
// the coupon's height go by the vertical resolution, every horizontal one by the horizontal.
TEST(PrintRoutine, EachAxisHasItsOwnResolutionAndMargin)
{
    const gdi::RecordingContext::Caps tall{254, 508, 10, 30};
    const RowMatrix rows = rowsOf({"X------------", "-2-----------"});
    // Straight: TOP 150 -> 300 - 30, LEFT 140 - 10; a row 3 * 14 + 2 * 31 + 43 across, a match 2 * (22 + 21) down.
    const Printed straight = print(rows, resetCalibration(), jokers(true, false), tall);
    EXPECT_EQ(straight.named({"MoveToEx", "LineTo"}),
        (std::vector<GdiCall>{call("MoveToEx", {130 + 45, 270}), call("LineTo", {130 + 45 + 14, 270 + 42}),
            call("MoveToEx", {130 + 45 + 14, 270}), call("LineTo", {130 + 45, 270 + 42}),
            call("MoveToEx", {130 + 147 + 90, 270 + 86}), call("LineTo", {130 + 147 + 104, 270 + 86 + 42}),
            call("MoveToEx", {130 + 147 + 104, 270 + 86}), call("LineTo", {130 + 147 + 90, 270 + 86 + 42}),
            call("MoveToEx", {130 + 1, 270 + 1380}), call("LineTo", {130 + 1 + 14, 270 + 1380 + 42}),
            call("MoveToEx", {130 + 1 + 14, 270 + 1380}), call("LineTo", {130 + 1, 270 + 1380 + 42})}));

    // Turned: the coupon is 254 * 21.55 / 2.54 = 2155 pixels wide and 508 * 10.65 / 2.54 = 2130 high;
    // TOP 300 + 30, LEFT 140 + 10.
    const Printed turned = print(rowsOf({"1------------"}), resetCalibration(),
        {.straight = false, .range = false, .fran = {}, .till = {}}, tall);
    EXPECT_EQ(turned.named({"MoveToEx"}).front(), call("MoveToEx", {2155 - 150, 2130 - 330}));
}

TEST(PrintRoutine, PenAndBrushSelectedAgainAfterEveryPageBreak)
{
    PrintCalibration cal = resetCalibration();
    cal.STYLE = 0;
    const Printed run = print(sameRows(25), cal);
    const GdiCall pen = run.calls.at(0), brush = run.calls.at(1), page = call("NewPagePrint");
    EXPECT_EQ(run.named({"SelectObject", "NewPagePrint"}),
        (std::vector<GdiCall>{pen, brush, page, pen, brush, page, pen, brush}));
}

// One coupon per page, no empty last page; a range of coupons, either way round, or message 31.
TEST(PrintRoutine, PagesAndCouponRange)
{
    // rows, coupons fran and till (no range when null), marks per page (13 a row; none: message 31)
    const std::tuple<long long, const char*, const char*, std::vector<int>> cases[] = {
        {25, nullptr, nullptr, {130, 130, 65}}, {20, nullptr, nullptr, {130, 130}}, {10, nullptr, nullptr, {130}},
        {1, nullptr, nullptr, {13}}, {25, "2", "3", {130, 65}}, {25, "1", "1", {130}}, {25, "3", "3", {65}},
        {25, "1", "4", {}},  // 40 > 25 + 10
        {30, "1", "4", {130, 130, 130}},  // 40 is not more than 30 + 10: the range ends at the rows
        {25, "", "2", {}}, {25, "2", "", {}}, {25, "0", "1", {}}};
    for (const auto& [rows, fran, till, perPage] : cases) {
        SCOPED_TRACE(testing::Message() << rows << " rows " << (fran ? fran : "all") << "-" << (till ? till : ""));
        const Printed run = print(
            sameRows(rows), resetCalibration(), fran ? range(fran, till) : PrintChoices{}, fran ? kExact : kWorked);
        EXPECT_EQ(run.named({"Message"}), perPage.empty() ? messages(kMsgBadPrintRange) : std::vector<GdiCall>{});
        EXPECT_EQ(run.marksPerPage(), perPage.empty() ? std::vector<int>{0} : perPage);
        expectJobEnded(run);
    }

    // A range given backwards prints the same pages.
    RowMatrix rows = sameRows(25);
    rows.at(4, 17) = 3;
    const auto drawn = [&rows](const PrintChoices& choices) {
        return print(rows, resetCalibration(), choices).named({"MoveToEx", "LineTo", "NewPagePrint"});
    };
    EXPECT_EQ(drawn(range("2", "3")), drawn(range("3", "2")));
}

TEST(PrintRoutine, JokersAfterTheRowsOnEveryPage)
{
    const PrintCalibration cal = grid(100, 200);
    const Printed run = print(sameRows(12), cal, jokers(true, true));
    EXPECT_EQ(run.marksPerPage(), (std::vector<int>{10 * 13 + 2, 2 * 13 + 2}));
    // The page's last two marks: joker 1, then joker 2.
    const std::vector<GdiCall> moves = run.named({"MoveToEx", "NewPagePrint"});
    const std::vector<GdiCall> tail(moves.end() - 4, moves.end());
    EXPECT_EQ(tail[0], call("MoveToEx", {200 + 1, 100 + 690}));
    EXPECT_EQ(tail[2], call("MoveToEx", {200 + 1, 100 + 735}));
}

TEST(PrintRoutine, FilledBoxesStayUprightAndJokerTwoTakesTheOtherDiagonal)
{
    PrintCalibration cal = grid(100, 200);
    cal.STYLE = 0;
    const Printed straight = print(rowsOf({"1------------"}), cal, jokers(false, true));
    const std::int16_t cw = cal.distance[CROSSW];
    const std::int16_t ch = cal.distance[CROSSH];
    EXPECT_EQ(straight.named({"Rectangle"}),
        (std::vector<GdiCall>{call("Rectangle", {200, 100, 200 + cw, 100 + ch}),
            call("Rectangle", {200 + 1 + cw, 100 + 735, 200 + 1, 100 + 735 + ch})}));

    // At one degree both corners move, each on its own; the box is drawn between them.
    cal.ANGLE = 1;
    const Printed skewed = print(rowsOf({"1------------"}), cal);
    const double s = std::sin(static_cast<double>(static_cast<float>(3.14 / 180.0)));
    auto at = [s](double u, double v) {
        return std::vector<long long>{std::lround(u - v * s), std::lround(v + u * s)};
    };
    const auto tl = at(200, 100);
    const auto br = at(200 + cw, 100 + ch);
    EXPECT_EQ(skewed.named({"Rectangle"}), std::vector<GdiCall>{call("Rectangle", {tl[0], tl[1], br[0], br[1]})});
}

TEST(PrintRoutine, OneDegreeOfSkewMovesFarPointsBySeventeenPixels)
{
    // top, left, angle, and where the first cross starts
    const std::tuple<std::int16_t, std::int16_t, float, long long, long long> cases[] = {
        {0, 1000, 1, 1000, 17}, {1000, 0, 1, -17, 1000}, {1000, 0, 0, 0, 1000}};
    for (const auto& [top, left, angle, x, y] : cases) {
        PrintCalibration cal = grid(top, left);
        cal.ANGLE = angle;
        EXPECT_EQ(print(rowsOf({"1------------"}), cal).named({"MoveToEx"}).front(), call("MoveToEx", {x, y}));
    }
}

TEST(PrintRoutine, TurnedCouponIsMirroredWithoutTheMarginCheck)
{
    // 300 dpi; the offsets alone place the first cross at (100, 100) on the coupon.
    const Printed run = print(rowsOf({"1------------"}), grid(0, 0),
        {.straight = false, .range = false, .fran = {}, .till = {}}, {300, 300, 100, 100});
    EXPECT_EQ(run.named({"MoveToEx"}).front(), call("MoveToEx", {2445, 1158}));
    EXPECT_EQ(run.count("Message"), 0);
}

TEST(PrintRoutine, FirstCrossOutsideThePrintableArea)
{
    const gdi::RecordingContext::Caps margin{254, 254, 0, 120};
    const Printed cancelled = print(sameRows(3), grid(100, 200), {}, margin, true);
    EXPECT_EQ(std::tuple(cancelled.named({"Message"}), cancelled.marks()), std::tuple(messages(kMsgOutsideMargin), 0));
    expectJobEnded(cancelled);

    const Printed anyway = print(sameRows(3), grid(100, 200), {}, margin, false);
    EXPECT_EQ(std::tuple(anyway.named({"Message"}), anyway.named({"MoveToEx"}).front(), anyway.marks()),
        std::tuple(messages(kMsgOutsideMargin), call("MoveToEx", {200, -20}), 39));
}

TEST(PrintRoutine, RunTimeErrorsShowTheirMessageAndEndTheJob)
{
    // what, calibration, device, choices, the calibration's read error, the error and message that follow
    const std::tuple<const char*, PrintCalibration, gdi::RecordingContext::Caps, PrintChoices, int, int, MessageTextId>
        cases[] = {{"conversion", calibration({{TOP, 20000}}), kWorked, {}, 0, 6,
                       kMsgUnexpectedError},  // 47244 pixels at 600 dpi
            {"offset", grid(-32000, 0), {254, 254, 0, 1000}, {}, 0, 6, kMsgUnexpectedError},
            {"match line", calibration({{TOP, 0}, {LEFT, 0}, {VGAP, 20000}, {CROSSH, 20000}}), kExact, {}, 0, 6,
                kMsgUnexpectedError},
            {"row stride", calibration({{TOP, 0}, {LEFT, 0}, {CROSSW, 11000}}), kExact, {}, 0, 6, kMsgUnexpectedError},
            {"joker", calibration({{TOP, 20000}, {LEFT, 0}, {J1Y, 20000}}), kExact, jokers(true, false), 0, 6,
                kMsgUnexpectedError},
            {"no resolution", resetCalibration(), {0, 600, 0, 0}, {}, 0, 11, kMsgUnexpectedError},
            {"file open", resetCalibration(), kExact, {}, 55, 55, kMsgFileAlreadyOpen},
            {"no AppPath", resetCalibration(), kExact, {}, 62, 62, kMsgNoAppPath},
            {"no file", resetCalibration(), kExact, {}, 53, 53, kMsgUnexpectedError}};
    for (const auto& [name, cal, caps, choices, calibrationError, error, message] : cases) {
        const Printed run = print(sameRows(2), cal, choices, caps, false, calibrationError);
        EXPECT_EQ(std::pair(run.error, run.named({"Message"})), std::pair(error, messages(message))) << name;
        expectJobEnded(run);
    }
}

// A failure that is not a run-time error (out of memory) is still reported and still ends the job:
// the print dialog that called the routine shows nothing itself.
TEST(PrintRoutine, OutOfMemoryIsReportedAndEndsTheJob)
{
    class Starved final : public PrintHooks {
    public:
        RecordingPrintHooks inner{kExact, resetCalibration()};
        gdi::DeviceContext& StartPrint() override { return inner.StartPrint(); }
        void NewPagePrint(gdi::DeviceContext& dc) override { inner.NewPagePrint(dc); }
        void EndPrint(gdi::DeviceContext& dc) override { inner.EndPrint(dc); }
        PrintCalibration readCalibration() override { throw std::bad_alloc(); }
        int message(MessageTextId id, int style, int errorNumber) override
        {
            return inner.message(id, style, errorNumber);
        }
    } hooks;
    Printed run;
    run.error = printCoupons(sameRows(2), QStringLiteral("2"), {}, hooks);
    run.calls = hooks.inner.recording().calls();
    EXPECT_EQ(run.error, vberr::OutOfMemory);
    EXPECT_EQ(run.named({"Message"}), messages(kMsgUnexpectedError));
    expectJobEnded(run);
}

TEST(PrintRoutine, NoRowsPerCouponIsRefusedBeforeAnythingIsDrawn)
{
    for (const int rpc : {0, -3}) {
        PrintCalibration cal = resetCalibration();
        cal.RPC = static_cast<std::int16_t>(rpc);
        const Printed run = print(sameRows(5), cal);
        EXPECT_EQ(std::tuple(run.named({"Message"}), run.marks()), std::tuple(messages(kMsgBadRowsPerCoupon), 0));
        expectJobEnded(run);
    }
}

TEST(PrintRoutine, RowCountBeyondTheRowsHeldIsASubscriptError)
{
    RecordingPrintHooks hooks(kExact, resetCalibration());
    EXPECT_EQ(printCoupons(sameRows(3), QStringLiteral("5"), {}, hooks), 9);
}

}  // namespace
