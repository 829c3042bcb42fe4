// What "Skapa" hands to row creation from a frame edited through its handlers, and the Enter walk
// of the filter boxes.

#include "frame/rowcreation.h"
#include "frame/skapa.h"
#include "slotfill.h"

#include <gtest/gtest.h>

using frame::FilterEnter;
using frame::FrameEditing;
using frametest::fillSlot;

namespace {

constexpr int cell(int m, int c) { return 3 * m + c; }

}  // namespace

TEST(SkapaInput, MarksTypesAndTheBaseRowSign)
{
    FrameEditing f;
    fillSlot(f, 0, {1, 2, 1, 0, QStringLiteral("U.RU")});
    f.Label1_Click(cell(2, 2));  // "2" first: drawn black, the base-row sign
    f.Label1_Click(cell(2, 0));
    f.Option1_Click(4);
    f.Label1_Click(cell(5, 0));
    f.Label1_Click(cell(5, 1));
    f.Label1_Click(cell(7, 1));  // a single
    frame::FilterSettings filter;
    filter.filter = true;
    filter.text = {QStringLiteral("9"), QStringLiteral(" 8x"), QStringLiteral(""), QStringLiteral("1"),
        QStringLiteral("0"), QStringLiteral("2")};
    filter.removeEqualRows = true;
    rowcreation::FrameInput in = frame::frameInputFrom(f, filter, {frame::SlotGrid{"12"}});

    EXPECT_EQ(in.matches[2].type, frame::MatchType::System1);
    EXPECT_EQ(in.matches[2].marked, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(in.matches[2].startRowSign, 2);
    EXPECT_EQ(in.matches[5].type, frame::MatchType::Matematisk);
    EXPECT_EQ(in.matches[7].marked, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(in.matches[0].startRowSign, frame::NoStartRowSign);  // black cells, none marked
    EXPECT_EQ(in.slots[0].type, 1);
    EXPECT_EQ(in.slots[0].rows, 2);
    EXPECT_EQ(in.slots[0].grid, (std::vector<std::string>{"12"}));
    EXPECT_EQ(in.rowTotal, 4);
    EXPECT_TRUE(in.filter);
    EXPECT_TRUE(in.removeEqualRows);
    EXPECT_EQ(in.bounds.max, (std::array<double, 3>{9, 8, 0}));
    EXPECT_EQ(in.bounds.min, (std::array<double, 3>{1, 0, 2}));
}

TEST(SkapaInput, PercentMatchesReadTheirTags)
{
    FrameEditing f;
    f.Option1_Click(3);
    f.setText1(0, QStringLiteral("50"));
    f.setText1(1, QStringLiteral("30"));
    f.setText1(2, QStringLiteral("20"));
    f.Label1_Click(cell(4, 0));
    ASSERT_EQ(f.systyp[4], frame::MatchType::Procent);
    const rowcreation::FrameInput in = frame::frameInputFrom(f, {});
    EXPECT_EQ(in.matches[4].percent, (std::array<double, 3>{50, 30, 20}));
    EXPECT_FALSE(in.filter);
    EXPECT_EQ(in.bounds.max, (std::array<double, 3>{12, 10, 11}));
}

TEST(FilterEnterWalk, MaxThenMinOfEachSignThenSkapa)
{
    std::array<QString, 6> t = {QStringLiteral("09"), QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("2"),
        QStringLiteral("0"), QStringLiteral("1")};
    // Enter in box i: the box's text afterwards and the box that takes the focus.
    auto enter = [&t](int i) {
        const FilterEnter e = frame::filterEnter(i, t);
        return e.text.toStdString() + " " + std::to_string(e.focus);
    };
    constexpr int stays = FilterEnter::FocusStays, skapa = FilterEnter::FocusSkapa;
    EXPECT_EQ(enter(0), "9 3");
    const std::pair<int, int> walk[] = {{3, 1}, {1, 4}, {4, 2}, {2, 5}, {5, skapa}};
    for (const auto& [from, to] : walk)
        EXPECT_EQ(frame::filterEnter(from, t).focus, to) << from;

    t[0] = QStringLiteral("15");
    EXPECT_EQ(enter(0), "15 " + std::to_string(stays));
    t[0] = QStringLiteral("1");  // Max below Min
    EXPECT_EQ(frame::filterEnter(0, t).focus, stays);
    EXPECT_EQ(frame::filterEnter(3, t).focus, stays);
    t[4] = QStringLiteral("-1abc");
    EXPECT_EQ(enter(4), "-1 " + std::to_string(stays));
    t[5] = QStringLiteral("x");
    EXPECT_EQ(enter(5), "0 " + std::to_string(skapa));
}
