// The print routine on a recording context: the coordinates of the marks, the pages, the range, the
// jokers, skew and the turned coupon, the messages and the errors, and that every way out ends the job.

#include "printing/printroutine.h"

#include "support/testhelpers.h"

#include <gtest/gtest.h>
#include <new>

namespace {

using gdi::GdiCall;

// dpi 254: one pixel per tenth of a millimetre, so distances are pixels.
constexpr gdi::RecordingContext::Caps kExact{254, 254, 0, 0};
constexpr gdi::RecordingContext::Caps kWorked{600, 600, 50, 40};

RowMatrix rowsOf(std::initializer_list<const char*> rows)
{
    RowMatrix m(12, static_cast<long long>(rows.size()) - 1);
    long long r = 0;
    for (const char* row : rows) {
        for (int k = 0; k < 13; ++k)
            m.at(k, r) = static_cast<std::uint8_t>(QStringLiteral("-1X2").indexOf(QLatin1Char(row[k])));
        ++r;
    }
    return m;
}

RowMatrix sameRows(long long n, std::uint8_t code = 1)
{
    RowMatrix m(12, n - 1);
    for (long long r = 0; r < n; ++r)
        for (int k = 0; k < 13; ++k)
            m.at(k, r) = code;
    return m;
}

PrintCalibration grid(std::int16_t top, std::int16_t left)
{
    PrintCalibration c = resetCalibration();
    c.distance[TOP] = top;
    c.distance[LEFT] = left;
    return c;
}

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
        std::vector<int> pages{0};
        for (const GdiCall& c : calls) {
            if (c.name == u"NewPagePrint")
                pages.push_back(0);
            else if (c.name == u"Rectangle" || c.name == u"MoveToEx")
                pages.back() += c.name == u"Rectangle" ? 2 : 1;
        }
        for (int& p : pages)
            p /= 2;
        return pages;
    }
};

Printed print(const RowMatrix& rows, const PrintCalibration& cal, const PrintChoices& choices = {},
    gdi::RecordingContext::Caps caps = kExact, bool cancelAt37 = false, int calibrationError = 0)
{
    RecordingPrintHooks hooks(caps, cal, cancelAt37);
    if (calibrationError)
        hooks.failCalibrationWith(calibrationError);
    Printed run;
    run.error = printCoupons(rows, QString::number(rows.upperRow() + 1), choices, hooks);
    run.calls = hooks.recording().calls();
    return run;
}

GdiCall call(const char* name, std::vector<long long> args = {}) { return {QString::fromLatin1(name), std::move(args)}; }

// The job ends, and the pen and the brush go, on every way out.
void expectJobEnded(const Printed& run)
{
    ASSERT_FALSE(run.calls.empty());
    EXPECT_EQ(run.calls.back(), call("EndPrint"));
    EXPECT_EQ(run.count("EndPrint"), 1);
    EXPECT_EQ(gdi::liveObjects(), 0U);
}

TEST(PrintRoutine, WorkedExampleCallForCall)
{
    const Printed run = print(rowsOf({"X------------", "-2-----------"}), resetCalibration(), {}, kWorked);
    ASSERT_GE(run.calls.size(), 2U);
    const std::vector<GdiCall> expected = {
        call("SelectObject", run.calls[0].args),  // the pen
        call("SelectObject", run.calls[1].args),  // the brush
        call("GetDeviceCaps", {88}),
        call("GetDeviceCaps", {90}),
        call("GetDeviceCaps", {112}),
        call("GetDeviceCaps", {113}),
        // "X" of match 1, row 1.
        call("MoveToEx", {387, 314}),
        call("LineTo", {420, 364}),
        call("MoveToEx", {420, 314}),
        call("LineTo", {387, 364}),
        // "2" of match 2, row 2: 281 + 347 + 212, 314 + 102.
        call("MoveToEx", {840, 416}),
        call("LineTo", {873, 466}),
        call("MoveToEx", {873, 416}),
        call("LineTo", {840, 466}),
        call("EndPrint"),
    };
    EXPECT_EQ(run.calls, expected);
    EXPECT_NE(run.calls[0].args, run.calls[1].args);
    EXPECT_EQ(gdi::liveObjects(), 0U);
    EXPECT_EQ(run.error, 0);
}

TEST(PrintRoutine, OneCouponPerPageAndNoEmptyLastPage)
{
    const struct {
        long long rows;
        std::vector<int> rowsPerPage;
    } cases[] = {{25, {10, 10, 5}}, {20, {10, 10}}, {10, {10}}, {1, {1}}};
    for (const auto& c : cases) {
        const Printed run = print(sameRows(c.rows), resetCalibration(), {}, kWorked);
        std::vector<int> marks;
        for (int r : c.rowsPerPage)
            marks.push_back(13 * r);
        EXPECT_EQ(run.marksPerPage(), marks) << c.rows;
        expectJobEnded(run);
    }
}

TEST(PrintRoutine, PenAndBrushSelectedAgainAfterEveryPageBreak)
{
    PrintCalibration cal = resetCalibration();
    cal.STYLE = 0;
    const Printed run = print(sameRows(25), cal);
    const GdiCall pen = run.calls.at(0);
    const GdiCall brush = run.calls.at(1);
    for (std::size_t i = 0; i < run.calls.size(); ++i) {
        if (run.calls[i].name != u"NewPagePrint")
            continue;
        ASSERT_LT(i + 2, run.calls.size());
        EXPECT_EQ(run.calls[i + 1], pen);
        EXPECT_EQ(run.calls[i + 2], brush);
    }
    EXPECT_EQ(run.count("NewPagePrint"), 2);
}

TEST(PrintRoutine, CouponRange)
{
    const struct {
        long long rows;
        const char* fran;
        const char* till;
        std::vector<int> rowsPerPage;  // empty: message 31
    } cases[] = {
        {25, "2", "3", {10, 5}},
        {25, "3", "2", {10, 5}},
        {25, "1", "1", {10}},
        {25, "3", "3", {5}},
        {25, "1", "4", {}},  // 40 > 25 + 10
        {30, "1", "4", {10, 10, 10}},  // 40 is not more than 30 + 10: the range ends at the rows
        {25, "", "2", {}},
        {25, "2", "", {}},
        {25, "0", "1", {}},
    };
    for (const auto& c : cases) {
        PrintChoices choices;
        choices.range = true;
        choices.fran = QString::fromLatin1(c.fran);
        choices.till = QString::fromLatin1(c.till);
        const Printed run = print(sameRows(c.rows), resetCalibration(), choices);
        if (c.rowsPerPage.empty()) {
            EXPECT_EQ(run.named({"Message"}), std::vector<GdiCall>{call("Message", {31})}) << c.fran << "-" << c.till;
            EXPECT_EQ(run.marks(), 0);
        } else {
            std::vector<int> marks;
            for (int r : c.rowsPerPage)
                marks.push_back(13 * r);
            EXPECT_EQ(run.marksPerPage(), marks) << c.fran << "-" << c.till;
        }
        expectJobEnded(run);
    }
}

TEST(PrintRoutine, RangeGivenBackwardsPrintsTheSamePages)
{
    PrintChoices forward;
    forward.range = true;
    forward.fran = QStringLiteral("2");
    forward.till = QStringLiteral("3");
    PrintChoices backward = forward;
    std::swap(backward.fran, backward.till);
    RowMatrix rows = sameRows(25);
    rows.at(4, 17) = 3;
    const auto drawn = [](const Printed& p) { return p.named({"MoveToEx", "LineTo", "NewPagePrint"}); };
    EXPECT_EQ(drawn(print(rows, resetCalibration(), forward)), drawn(print(rows, resetCalibration(), backward)));
}

TEST(PrintRoutine, SignCodeZeroLeavesTheMatchEmpty)
{
    RowMatrix rows = sameRows(2);
    rows.at(5, 1) = 0;
    EXPECT_EQ(print(rows, resetCalibration()).marks(), 25);
}

TEST(PrintRoutine, JokersAfterTheRowsOnEveryPage)
{
    PrintChoices choices;
    choices.joker1 = true;
    choices.joker2 = true;
    PrintCalibration cal = grid(100, 200);
    const Printed run = print(sameRows(12), cal, choices);
    EXPECT_EQ(run.marksPerPage(), (std::vector<int>{10 * 13 + 2, 2 * 13 + 2}));
    // The page's last two marks: joker 1, then joker 2.
    const std::vector<GdiCall> moves = run.named({"MoveToEx", "NewPagePrint"});
    const std::vector<GdiCall> tail(moves.end() - 4, moves.end());
    EXPECT_EQ(tail[0], call("MoveToEx", {200 + 1, 100 + 690}));
    EXPECT_EQ(tail[2], call("MoveToEx", {200 + 1, 100 + 735}));
    EXPECT_EQ(print(sameRows(12), cal).marksPerPage(), (std::vector<int>{10 * 13, 2 * 13}));
}

TEST(PrintRoutine, FilledBoxesStayUprightAndJokerTwoTakesTheOtherDiagonal)
{
    PrintCalibration cal = grid(100, 200);
    cal.STYLE = 0;
    PrintChoices choices;
    choices.joker2 = true;
    const Printed straight = print(rowsOf({"1------------"}), cal, choices);
    const std::int16_t cw = cal.distance[CROSSW];
    const std::int16_t ch = cal.distance[CROSSH];
    EXPECT_EQ(straight.named({"Rectangle"}),
        (std::vector<GdiCall>{call("Rectangle", {200, 100, 200 + cw, 100 + ch}),
            call("Rectangle", {200 + 1 + cw, 100 + 735, 200 + 1, 100 + 735 + ch})}));

    // At one degree both corners move, each on its own; the box is drawn between them.
    cal.ANGLE = 1;
    const Printed skewed = print(rowsOf({"1------------"}), cal);
    const double s = std::sin(static_cast<double>(static_cast<float>(3.14 / 180.0)));
    auto at = [s](double u, double v) { return std::vector<long long>{std::lround(u - v * s), std::lround(v + u * s)}; };
    const auto tl = at(200, 100);
    const auto br = at(200 + cw, 100 + ch);
    EXPECT_EQ(skewed.named({"Rectangle"}), std::vector<GdiCall>{call("Rectangle", {tl[0], tl[1], br[0], br[1]})});
}

TEST(PrintRoutine, OneDegreeOfSkewMovesFarPointsBySeventeenPixels)
{
    PrintCalibration cal = grid(0, 1000);
    cal.ANGLE = 1;
    EXPECT_EQ(print(rowsOf({"1------------"}), cal).named({"MoveToEx"}).front(), call("MoveToEx", {1000, 17}));
    cal = grid(1000, 0);
    cal.ANGLE = 1;
    EXPECT_EQ(print(rowsOf({"1------------"}), cal).named({"MoveToEx"}).front(), call("MoveToEx", {-17, 1000}));
    cal.ANGLE = 0;
    EXPECT_EQ(print(rowsOf({"1------------"}), cal).named({"MoveToEx"}).front(), call("MoveToEx", {0, 1000}));
}

TEST(PrintRoutine, TurnedCouponIsMirroredWithoutTheMarginCheck)
{
    PrintChoices turned;
    turned.straight = false;
    // 300 dpi; the offsets alone place the first cross at (100, 100) on the coupon.
    const Printed run = print(rowsOf({"1------------"}), grid(0, 0), turned, {300, 300, 100, 100});
    EXPECT_EQ(run.named({"MoveToEx"}).front(), call("MoveToEx", {2445, 1158}));
    EXPECT_EQ(run.count("Message"), 0);
}

TEST(PrintRoutine, FirstCrossOutsideThePrintableArea)
{
    const gdi::RecordingContext::Caps margin{254, 254, 0, 120};
    const Printed cancelled = print(sameRows(3), grid(100, 200), {}, margin, true);
    EXPECT_EQ(cancelled.named({"Message"}), std::vector<GdiCall>{call("Message", {37})});
    EXPECT_EQ(cancelled.marks(), 0);
    expectJobEnded(cancelled);

    const Printed anyway = print(sameRows(3), grid(100, 200), {}, margin, false);
    EXPECT_EQ(anyway.named({"Message"}), std::vector<GdiCall>{call("Message", {37})});
    EXPECT_EQ(anyway.named({"MoveToEx"}).front(), call("MoveToEx", {200, -20}));
    EXPECT_EQ(anyway.marks(), 39);
}

TEST(PrintRoutine, RunTimeErrorsShowTheirMessageAndEndTheJob)
{
    PrintCalibration tooFar = resetCalibration();
    tooFar.distance[TOP] = 20000;  // 47244 pixels at 600 dpi
    PrintCalibration tallRow = grid(0, 0);
    tallRow.distance[VGAP] = 20000;
    tallRow.distance[CROSSH] = 20000;
    PrintCalibration wideRow = grid(0, 0);
    wideRow.distance[CROSSW] = 11000;
    PrintCalibration farJoker = grid(20000, 0);
    farJoker.distance[J1Y] = 20000;
    PrintChoices joker;
    joker.joker1 = true;
    const struct {
        const char* name;
        PrintCalibration cal;
        gdi::RecordingContext::Caps caps;
        PrintChoices choices;
        int calibrationError;
        int error;
        int message;
    } cases[] = {
        {"conversion", tooFar, kWorked, {}, 0, 6, 30},
        {"offset", grid(-32000, 0), {254, 254, 0, 1000}, {}, 0, 6, 30},
        {"match line", tallRow, kExact, {}, 0, 6, 30},
        {"row stride", wideRow, kExact, {}, 0, 6, 30},
        {"joker", farJoker, kExact, joker, 0, 6, 30},
        {"no resolution", resetCalibration(), {0, 600, 0, 0}, {}, 0, 11, 30},
        {"file open", resetCalibration(), kExact, {}, 55, 55, 4},
        {"no AppPath", resetCalibration(), kExact, {}, 62, 62, 32},
        {"no file", resetCalibration(), kExact, {}, 53, 53, 30},
    };
    for (const auto& c : cases) {
        const Printed run = print(sameRows(2), c.cal, c.choices, c.caps, false, c.calibrationError);
        EXPECT_EQ(run.error, c.error) << c.name;
        EXPECT_EQ(run.named({"Message"}), std::vector<GdiCall>{call("Message", {c.message})}) << c.name;
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
        int message(int id, int style, int errorNumber) override { return inner.message(id, style, errorNumber); }
    } hooks;
    Printed run;
    run.error = printCoupons(sameRows(2), QStringLiteral("2"), {}, hooks);
    run.calls = hooks.inner.recording().calls();
    EXPECT_EQ(run.error, vberr::OutOfMemory);
    EXPECT_EQ(run.named({"Message"}), std::vector<GdiCall>{call("Message", {printmsg::Unexpected})});
    expectJobEnded(run);
}

TEST(PrintRoutine, NoRowsPerCouponIsRefusedBeforeAnythingIsDrawn)
{
    for (const int rpc : {0, -3}) {
        PrintCalibration cal = resetCalibration();
        cal.RPC = static_cast<std::int16_t>(rpc);
        const Printed run = print(sameRows(5), cal);
        EXPECT_EQ(run.named({"Message"}), std::vector<GdiCall>{call("Message", {printmsg::NoRowsPerCoupon})});
        EXPECT_EQ(run.marks(), 0);
        expectJobEnded(run);
    }
}

TEST(PrintRoutine, RowCountBeyondTheRowsHeldIsASubscriptError)
{
    RecordingPrintHooks hooks(kExact, resetCalibration());
    EXPECT_EQ(printCoupons(sameRows(3), QStringLiteral("5"), {}, hooks), 9);
}

}  // namespace
