// What "Skapa" hands to row creation from a frame edited through its handlers, and the Enter walk
// of the filter boxes.

#include "frame/rowcreation.h"
#include "frame/skapa.h"
#include "slotfill.h"

#include <QStringList>
#include <gtest/gtest.h>

using frame::FilterEnter;
using frame::FrameEditing;
using frametest::fillSlot;
using namespace Qt::StringLiterals;

namespace {

constexpr int cell(int m, int c) { return 3 * m + c; }

}  // namespace

TEST(SkapaInput, MarksTypesTheBaseRowSignAndPercentTags)
{
    FrameEditing f;
    fillSlot(f, 0, {1, 2, 1, 0, QStringLiteral("U.RU")});
    for (int i : {cell(2, 2), cell(2, 0)})  // "2" first: drawn black, the base-row sign
        f.Label1_Click(i);
    f.Option1_Click(4);
    for (int i : {cell(5, 0), cell(5, 1), cell(7, 1)})  // a Matematisk half guard, a single
        f.Label1_Click(i);
    f.Option1_Click(3);
    for (int i = 0; const char* p : {"50", "30", "20"})
        f.setText1(i++, QString::fromLatin1(p));
    f.Label1_Click(cell(4, 0));  // a Procent match reads its tag
    FrameEditing plainFrame = f;
    f.filter.filter = f.filter.removeEqualRows = true;
    f.filter.text = {u"9"_s, u" 8x"_s, u""_s, u"1"_s, u"0"_s, u"2"_s};
    rowcreation::FrameInput in = frame::frameInputFrom(f, {frame::SlotGrid{"12"}});

    const auto& m = in.matches;
    EXPECT_EQ(std::tuple(m[2].type, m[2].marked, m[2].startRowSign),
        std::tuple(frame::MatchType::System1, std::array<bool, 3>{true, false, true}, 2));
    EXPECT_EQ(std::tuple(m[5].type, m[7].marked, m[0].startRowSign),  // black cells, none marked
        std::tuple(frame::MatchType::Matematisk, std::array<bool, 3>{false, true, false}, frame::NoStartRowSign));
    EXPECT_EQ(std::tuple(in.slots[0].type, in.slots[0].rows, in.slots[0].grid, in.rowTotal),
        std::tuple(1, 2, std::vector<std::string>{"12"}, 4));
    EXPECT_EQ(std::tuple(in.filter, in.removeEqualRows, in.bounds.max, in.bounds.min),
        std::tuple(true, true, std::array<double, 3>{9, 8, 0}, std::array<double, 3>{1, 0, 2}));
    EXPECT_EQ(
        std::tuple(m[4].type, m[4].percent), std::tuple(frame::MatchType::Procent, std::array<double, 3>{50, 30, 20}));

    // Without the filter ticked, its boxes as they stand.
    const rowcreation::FrameInput plain = frame::frameInputFrom(plainFrame);
    EXPECT_EQ(std::tuple(plain.filter, plain.bounds.max), std::tuple(false, std::array<double, 3>{12, 10, 11}));
}

TEST(FilterEnterWalk, MaxThenMinOfEachSignThenSkapa)
{
    std::array<QString, 6> t = {u"09"_s, u"10"_s, u"11"_s, u"2"_s, u"0"_s, u"1"_s};
    // Enter in box i after typing `typed` there: the box's text afterwards and the box that takes
    // the focus ("=" it stays, "S" Skapa), as "9>3".
    auto enter = [&t](int i, const char* typed = nullptr) {
        if (typed)
            t[std::size_t(i)] = QString::fromLatin1(typed);
        const FilterEnter e = frame::filterEnter(i, t);
        return QString(e.text + u'>' +
            (e.focus == FilterEnter::FocusStays          ? u"="_s
                    : e.focus == FilterEnter::FocusSkapa ? u"S"_s
                                                         : QString::number(e.focus)));
    };
    const QStringList walk = {enter(0), enter(3), enter(1), enter(4), enter(2), enter(5)};
    EXPECT_EQ(walk.join(u' '), u"9>3 2>1 10>4 0>2 11>5 1>S");
    // Too high, Max below Min (in either box) or below 0: the focus stays; no number counts as 0.
    const QStringList more = {enter(0, "15"), enter(0, "1"), enter(3), enter(4, "-1abc"), enter(5, "x")};
    EXPECT_EQ(more.join(u' '), u"15>= 1>= 2>= -1>= 0>S");
}
