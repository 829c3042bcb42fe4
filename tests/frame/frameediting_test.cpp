// The frame's editing rules without a window: the system modes and their limits, Procent and
// Matematisk matches, the percent and row-count boxes, and random click sequences against the
// invariants.

#include "frame/frameediting.h"
#include "platform/vbtext.h"
#include "shell/texts/textids.h"
#include "slotfill.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <utility>

using frame::FrameEditing;
using frame::FrameMessage;
namespace GuardColour = frame::GuardColour;
using frame::MatchType;
using frametest::fillSlot;
using frametest::SlotSystem;
using namespace Qt::StringLiterals;
using namespace std::string_literals;

namespace {

// Cell index of match m, column c (0 "1", 1 "X", 2 "2").
constexpr int cell(int m, int c) { return 3 * m + c; }

// A system with the given half and full guards and rows.
SlotSystem sys(int half, int full, int rows, int type = 0, const char* title = "SYS.RM")
{
    return SlotSystem{type, rows, half + full, full, QString::fromLatin1(title)};
}

// The colours of match m's marked cells: k black, g green, r dark red; "." for an unmarked cell.
std::string colours(const FrameEditing& f, int m)
{
    std::string s;
    for (int c = 0; c < 3; ++c) {
        const std::uint32_t colour = f.Label1[cell(m, c)].ForeColor;
        s += !f.markerad[cell(m, c)]         ? '.'
            : colour == GuardColour::Black   ? 'k'
            : colour == GuardColour::Green   ? 'g'
            : colour == GuardColour::DarkRed ? 'r'
                                             : '?';
    }
    return s;
}

// Match m in one line: its captions ("." for none), colours, marks, type and tag, as "1X. gg. 2 S1 A.RM".
std::string match(const FrameEditing& f, int m)
{
    static const char* types[] = {"-", "S1", "S2", "S3", "P", "M"};
    std::string s;
    for (int c = 0; c < 3; ++c)
        s += f.Label1[cell(m, c)].Caption.isEmpty() ? "." : f.Label1[cell(m, c)].Caption.toStdString();
    s += ' ' + colours(f, m) + ' ' + std::to_string(f.antalmark[m]) + ' ' + types[frame::matchTypeByte(f.systyp[m])];
    return f.Label5[m].isEmpty() ? s : s + ' ' + f.Label5[m].toStdString();
}

// Slot s in one line: its half and full counters ("3/2!" in the over-limit red), "used" and how
// often it was over the limit.
std::string slot(const FrameEditing& f, int s)
{
    auto counter = [](const frame::LabelState& l) {
        return l.Caption.toStdString() + (l.ForeColor == GuardColour::CounterRed ? "!" : "");
    };
    return counter(f.InsHalv[s]) + ' ' + counter(f.InsHel[s]) + (f.sysianvand[s] ? " used" : "") +
        (f.overgrans[s] ? " over" + std::to_string(f.overgrans[s]) : "");
}

// Match m and slot s as "match | slot".
std::string view(const FrameEditing& f, int m, int s = 0) { return match(f, m) + " | " + slot(f, s); }

// Everything a click shows: every match, every slot and the total.
std::string shown(const FrameEditing& f)
{
    std::string s;
    for (int m = 0; m < 13; ++m)
        s += match(f, m) + '\n';
    return s + slot(f, 0) + '\n' + slot(f, 1) + '\n' + slot(f, 2) + '\n' + f.Allrad.toStdString();
}

// A refused click's message by its name without "kMsg".
std::string refusal(MessageTextId id)
{
    static const std::map<int, const char*> names = {{kMsgCouponViewShown.value, "CouponViewShown"},
        {kMsgNoSystem.value, "NoSystem"}, {kMsgTooManyFull.value, "TooManyFull"},
        {kMsgTooManyHalf.value, "TooManyHalf"}, {kMsgPercentNot100.value, "PercentNot100"}};
    const auto it = names.find(id.value);
    return it == names.end() ? std::to_string(id.value) : it->second;
}

// Clicks the cells in turn; after each the total, or "!name" for a refused click's message ("?" after
// it unless that is the one message, in the warning style); with `m`, match m's colours too, as "27:gk.".
std::string play(FrameEditing& f, std::initializer_list<int> cells, int m = -1)
{
    std::ostringstream out;
    for (int i : cells) {
        const std::vector<FrameMessage> got = f.Label1_Click(i);
        if (got.empty())
            out << ' ' << f.Allrad.toStdString();
        else
            out << " !" << refusal(got[0].textId) << (got.size() == 1 && got[0].style == 48 ? "" : "?");
        if (m >= 0)
            out << ':' << colours(f, m);
    }
    return out.str().substr(1);
}

void click(FrameEditing& f, std::initializer_list<int> cells)
{
    for (int i : cells)
        EXPECT_TRUE(f.Label1_Click(i).empty()) << "cell " << i;
}

void setPercent(FrameEditing& f, const char* a, const char* b, const char* c)
{
    for (int i = 0; const char* text : {a, b, c})
        f.setText1(i++, QString::fromLatin1(text));
}

}  // namespace

// ---------------------------------------------------------------- System modes

TEST(FrameEditingSystem, NoSystemAllowsSinglesButRefusesTheSecondMarkTheCouponViewAnyClick)
{
    FrameEditing f;
    f.systemsparat = f.skapat = true;
    EXPECT_EQ(play(f, {cell(0, 1), cell(5, 2), cell(0, 0)}), "1 1 !NoSystem");
    EXPECT_EQ(std::tuple(f.systemsparat, f.skapat, match(f, 0)), std::tuple(false, false, ".X. .k. 1 -"s));
    // The Finnish empty caption counts as empty too; removing the single mark needs no system.
    f.Label3[0] = QStringLiteral("Ei järjestelmää ");
    EXPECT_EQ(play(f, {cell(0, 2), cell(0, 1)}), "!NoSystem 1");
    EXPECT_EQ(match(f, 0), "... ... 0 -");

    // The coupon view refuses every click.
    f.grid2frameVisible = f.skapat = true;
    for (int mode : {0, 3, 4}) {
        f.Option1_Click(mode);
        EXPECT_EQ(play(f, {cell(1, 1)}), "!CouponViewShown");
    }
    EXPECT_EQ(std::tuple(f.skapat, f.systemsparat, match(f, 1)), std::tuple(false, false, "... ... 0 -"s));
}

TEST(FrameEditingSystem, FirstGuardMultipliesTheLastDividesBackAFullGuardTooManyIsRefused)
{
    FrameEditing f;
    fillSlot(f, 0, sys(3, 0, 27, 0, "C:\\SYSTEM\\3-0-27.RM"));
    EXPECT_EQ(play(f, {cell(2, 0), cell(2, 2)}), "1 27");
    EXPECT_EQ(view(f, 2), "1.2 g.g 2 S1 3-0-27.RM | 1/3 0/0 used");  // the title after the last "\"
    // The factor counts once per system.
    EXPECT_EQ(play(f, {cell(3, 0), cell(3, 1), cell(3, 1), cell(2, 2)}), "27 27 27 1");
    EXPECT_EQ(view(f, 2), "1.. k.. 1 - | 0/3 0/0");

    // A full guard beyond the system is refused at once, and the refused click counts.
    EXPECT_EQ(play(f, {cell(4, 0), cell(4, 1), cell(4, 2)}), "1 27 !TooManyFull");
    EXPECT_EQ(view(f, 4), "1X. gg. 2 S1 3-0-27.RM | 1/3 0/0 used over1");
    // With a base row, the refused guard keeps its base-row sign.
    fillSlot(f, 2, sys(3, 0, 9, 1));
    f.Option1_Click(2);
    EXPECT_EQ(play(f, {cell(12, 2), cell(12, 0), cell(12, 1)}, 12), "27:..k 243:g.k !TooManyFull:g.k");
    EXPECT_EQ(match(f, 12), "1.2 g.k 2 S3 SYS.RM");
}

TEST(FrameEditingSystem, ThirdHalfGuardToleratedOnceThenMessage10)
{
    FrameEditing f;
    fillSlot(f, 0, sys(2, 1, 27));
    // A single elsewhere still leaves three half guards: refused.
    EXPECT_EQ(play(f, {cell(0, 0), cell(0, 1), cell(1, 0), cell(1, 1), cell(2, 0), cell(2, 1), cell(7, 2)}),
        "1 27 27 27 27 27 !TooManyHalf");
    EXPECT_EQ(view(f, 7), "... ... 0 - | 3/2! 0/1 used over1");
    // Turning the third half guard into the allowed full guard is kept and clears the counter.
    EXPECT_EQ(play(f, {cell(2, 2)}), "27");
    EXPECT_EQ(view(f, 2), "1X2 rrr 3 S1 SYS.RM | 2/2 1/1 used");
}

TEST(FrameEditingSystem, RefusedFirstGuardLeavesTheTotalAlone)
{
    // A system with more full guards than guarded matches: even a single is over the half-guard
    // limit, so the first guard is the second click over it and is refused after it put the
    // slot in use.
    FrameEditing f;
    fillSlot(f, 0, sys(-1, 1, 9));
    EXPECT_EQ(play(f, {cell(0, 0), cell(0, 1)}), "1 !TooManyHalf");
    EXPECT_EQ(std::pair(match(f, 0), f.sysianvand[0]), std::pair("1.. k.. 1 -"s, false));
}

TEST(FrameEditingSystem, ClickInAnotherSlotsMatchTakesItOver)
{
    FrameEditing f;
    fillSlot(f, 0, sys(3, 1, 27, 0, "A.RM"));
    fillSlot(f, 1, sys(3, 1, 9, 0, "B.RM"));
    f.Option1_Click(1);
    EXPECT_EQ(play(f, {cell(6, 0), cell(6, 2)}), "1 9");
    EXPECT_EQ(match(f, 6), "1.2 g.g 2 S2 B.RM");

    // A marked cell: it stays the one mark, and the slot that lost its match shows it at once.
    f.Option1_Click(0);
    EXPECT_EQ(play(f, {cell(6, 2)}), "1");
    EXPECT_EQ(view(f, 6, 1), "..2 ..k 1 - | 0/3 0/1");
    EXPECT_EQ(play(f, {cell(6, 1)}), "27");
    EXPECT_EQ(f.systyp[6], MatchType::System1);
    // Choosing System 2 again finds nothing stale.
    f.Option1_Click(1);
    EXPECT_EQ(play(f, {cell(9, 0), cell(9, 1)}), "27 243");
}

TEST(FrameEditingSystem, BaseRowSignStaysBlack)
{
    FrameEditing f;
    fillSlot(f, 0, sys(2, 1, 9, 1, "U.RU"));
    // "X" first: the base-row sign. Any click on a base-row full guard starts the match again with
    // that sign alone, in black. Removing the base-row sign of a half guard leaves the other sign
    // black; adding one makes the remaining sign the new base-row sign.
    EXPECT_EQ(play(f, {cell(3, 1), cell(3, 0), cell(3, 2), cell(3, 0), cell(3, 2), cell(3, 0), cell(3, 1)}, 3),
        "1:.k. 9:gk. 9:rkr 1:k.. 9:k.g 1:..k 9:.gk");
    EXPECT_EQ(match(f, 3), ".X2 .gk 2 S1 U.RU");
}

TEST(FrameEditingSystem, RefusedClickOnABaseRowFullGuardLeavesTheFrameAsItWas)
{
    FrameEditing f;
    fillSlot(f, 0, sys(1, 1, 9, 1));
    // The full guard; the half guard at the limit; one half guard too many, on the way to a full guard.
    click(f, {cell(1, 0), cell(1, 1), cell(1, 2), cell(0, 0), cell(0, 1), cell(2, 0), cell(2, 2)});
    const std::string before = shown(f);
    // The click would empty the full guard's match; the half guards are still over the limit.
    EXPECT_EQ(play(f, {cell(1, 2)}), "!TooManyHalf");
    EXPECT_EQ(std::pair(shown(f), match(f, 1)), std::pair(before, "1X2 krr 3 S1 SYS.RM"s));
}

TEST(FrameEditingSystem, ModeChoiceRecountsTheSlotButNeverForgivesTheExtraHalfGuard)
{
    FrameEditing f;
    fillSlot(f, 0, sys(1, 0, 3));
    click(f, {cell(0, 0), cell(0, 1), cell(1, 0), cell(1, 1)});  // the second tolerated: 2 of 1
    EXPECT_EQ(f.overgrans[0], 1);
    f.Option1_Click(4);  // other modes only switch the frame
    f.Option1_Click(0);
    EXPECT_EQ(slot(f, 0), "2/1! 0/0 used over2");
    for (int i = 0; i < 254; ++i)
        f.Option1_Click(0);
    // Removing the extra half guard is within the limit again.
    EXPECT_EQ(play(f, {cell(7, 0), cell(1, 1)}), "!TooManyHalf 3");
    EXPECT_EQ(view(f, 7), "... ... 0 - | 1/1 0/0 used");
}

// ---------------------------------------------------------------- Procent and Matematisk

TEST(FrameEditingProcent, BoxesTakeDigitsUpTo100AndPlaceAMatchOnlyWhenTheySumTo100)
{
    // A text a box refuses leaves the box as it was ("34").
    const std::pair<const char*, const char*> typed[] = {{"0", "0"}, {"100", "100"}, {"050", "050"}, {"", ""},
        {"101", "34"}, {"-5", "34"}, {"150", "34"}, {"abc", "34"}, {"12.", "34"}, {" 50 ", "34"}, {"0095", "34"},
        {"1e2", "34"}};
    for (const auto& [text, kept] : typed) {
        FrameEditing f;
        f.setText1(0, QString::fromLatin1(text));
        EXPECT_EQ(f.Text1[0], QString::fromLatin1(kept)) << text;
    }

    // The click and the match after it; a placed match carries the boxes in its tag.
    const std::array<const char*, 5> cases[] = {{"0", "5", "95", "1", "1X2 rrr 3 P %    0   5  95"},
        {"050", "30", "20", "1", "1X2 rrr 3 P %   50  30  20"}, {"100", "0", "0", "1", "1X2 rrr 3 P %  100   0   0"},
        {"50", "30", "30", "!PercentNot100", "... ... 0 -"}, {"50", "30", "10", "!PercentNot100", "... ... 0 -"},
        {"", "50", "50", "!PercentNot100", "... ... 0 -"}};
    for (const auto& [a, b, c, clicked, placed] : cases) {
        FrameEditing f;
        setPercent(f, a, b, c);
        f.Option1_Click(3);
        f.systemsparat = true;
        const std::string said = play(f, {cell(0, 0)});
        EXPECT_EQ(std::tuple(said, match(f, 0), f.systemsparat), std::tuple(clicked, placed, false));
    }
}

TEST(FrameEditing, SlotWithoutRowsGivesTheTotalBackWhenItsGuardGoes)
{
    FrameEditing f;
    f.Option1_Click(4);
    click(f, {cell(3, 0), cell(3, 1)});
    fillSlot(f, 0, sys(3, 0, 0, 0, "A.RM"));
    f.Option1_Click(0);
    EXPECT_EQ(play(f, {cell(0, 0), cell(0, 1), cell(0, 1)}), "2 0 2");
    EXPECT_FALSE(f.sysianvand[0]);
}

TEST(FrameEditingProcent, ReplacesAnyMatchAndTakesItsTotalFromText2)
{
    FrameEditing f;
    fillSlot(f, 0, sys(3, 0, 27, 0, "A.RM"));
    click(f, {cell(0, 0), cell(0, 1)});
    f.setText2(QStringLiteral("40"));
    EXPECT_EQ(f.Allrad, u"27");  // systems win over Text2
    f.Option1_Click(3);
    EXPECT_EQ(play(f, {cell(0, 2)}), "40");  // the System 1 half guard becomes a Procent match
    EXPECT_EQ(std::pair(view(f, 0), f.procentram), std::pair("1X2 rrr 3 P %   34  33  33 | 0/3 0/0"s, true));
    // Each match keeps the percentages of its own click.
    setPercent(f, "100", "0", "0");
    click(f, {cell(6, 0)});
    EXPECT_EQ(f.Label5[0] + f.Label5[6], u"%   34  33  33%  100   0   0");
    f.setText2(QStringLiteral("30"));
    EXPECT_EQ(f.Allrad, u"30");

    // One mathematical half guard doubles the product of the guards, which starts from 1, not
    // Text2; back to singles and Procent: Text2 again, a single keeps it.
    f.Option1_Click(4);
    EXPECT_EQ(play(f, {cell(3, 0), cell(3, 1), cell(3, 1), cell(9, 0)}), "30 2 30 30");
    // A second click removes a Procent match whole; without one Text2 no longer counts.
    f.Option1_Click(3);
    EXPECT_EQ(play(f, {cell(0, 2), cell(6, 0)}), "30 1");
    EXPECT_EQ(std::pair(match(f, 0), f.procentram), std::pair("... ... 0 -"s, false));
    f.setText2(QStringLiteral("20"));
    EXPECT_EQ(f.Allrad, u"1");
}

TEST(FrameEditingMatematisk, FactorsMultiplyTheSystemRowsAndTakeOverTheSystemMatch)
{
    FrameEditing f;
    fillSlot(f, 0, sys(3, 0, 27));
    click(f, {cell(0, 0), cell(0, 1)});
    f.Option1_Click(4);
    EXPECT_EQ(play(f, {cell(4, 0), cell(4, 1), cell(4, 2), cell(5, 0), cell(5, 1), cell(5, 2), cell(5, 0), cell(5, 1)}),
        "27 54 81 81 162 243 162 81");
    EXPECT_EQ(match(f, 5), "..2 ..k 1 -");
    f.setText2(QStringLiteral("77"));
    EXPECT_EQ(f.Allrad, u"81");

    // Taking over the System 1 match empties it first.
    EXPECT_EQ(play(f, {cell(0, 2)}), "3");
    EXPECT_EQ(view(f, 0), "..2 ..k 1 - | 0/3 0/0");

    // The tag comes from the language.
    frame::FrameTexts fi;
    fi.matematisk = QStringLiteral("Matemaattinen");
    FrameEditing finnish(fi);
    finnish.Option1_Click(4);
    click(finnish, {cell(0, 0), cell(0, 1)});
    EXPECT_EQ(finnish.Label5[0], u"Matemaattinen");
}

// ---------------------------------------------------------------- percent and row-count inputs

TEST(FrameInputs, Text2IsRepaired)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {{u"0", u"1"}, {u"-5", u"1"}, {u"1594323", u"1594323"},
        {u"1594324", u"1"}, {u"20abc", u"20"}, {u" 20", u"20"}, {u"", u"1"}, {u"abc", u"1"}, {u"007", u"7"}};
    for (const auto& [in, out] : cases) {
        FrameEditing f;
        f.skapat = true;
        f.setText2(QString::fromUtf16(in));
        EXPECT_EQ(std::tuple(f.Text2, f.skapat, f.systemsparat), std::tuple(QString::fromUtf16(out), false, false))
            << QString::fromUtf16(in).toStdString();
    }
    // Enter normalises what was typed before its change ran; other keys do nothing ("-" before the text).
    FrameEditing f;
    auto press = [&f](const char* typed, int key) {
        f.Text2 = QString::fromLatin1(typed);
        return f.Text2_KeyPress(key) ? f.Text2 : QString(u'-' + f.Text2);
    };
    EXPECT_EQ(press(" 12x", '5') + u'|' + press(" 12x", 13) + u'|' + press("2000000", 13), u"- 12x|12|1");
}

TEST(FrameInputs, SpinButtonsKeepTheLimits)
{
    FrameEditing f;
    setPercent(f, "50", "30", "20");
    // Spins box i up ("+i") or down ("-i") in turn; the boxes afterwards, as "51 30 19".
    auto spin = [&f](const std::string& steps) {
        for (std::size_t i = 0; i + 1 < steps.size(); i += 3)
            steps[i] == '+' ? f.SpinButton1_SpinUp(steps[i + 1] - '0') : f.SpinButton1_SpinDown(steps[i + 1] - '0');
        return QString(f.Text1[0] + u' ' + f.Text1[1] + u' ' + f.Text1[2]).toStdString();
    };
    EXPECT_EQ(spin("+0 +1 +2"), "50 30 20");
    EXPECT_EQ(spin("-2 +0 +0"), "51 30 19");
    f.setText1(1, QStringLiteral("0"));
    EXPECT_EQ(spin("-1"), "51 0 19");
    f.setText1(1, QStringLiteral("7"));
    EXPECT_EQ(spin("-1"), "51 6 19");
    // An emptied box: the spin buttons leave every box alone.
    f.setText1(1, QString());
    EXPECT_EQ(spin("-1 +1 +2"), "51  19");
}

// ---------------------------------------------------------------- random click sequences

namespace {

void checkInvariants(const FrameEditing& f, const std::string& where)
{
    bool percent = false;
    double product = 1;  // of the Matematisk factors and the used systems' rows
    std::array<int, 3> half{}, full{};
    for (int m = 0; m < 13; ++m) {
        SCOPED_TRACE(where + " match " + std::to_string(m));
        const std::string col = colours(f, m);
        const int marks = 3 - int(std::count(col.begin(), col.end(), '.'));
        std::string signs;
        for (int c = 0; c < 3; ++c)
            signs += f.markerad[cell(m, c)] ? "1X2"[c] : '.';
        // The captions follow the marks, and antalmark counts them.
        ASSERT_EQ(match(f, m).substr(0, 9), signs + ' ' + col + ' ' + std::to_string(marks));
        const MatchType t = f.systyp[m];
        ASSERT_TRUE(t == MatchType::None ? marks <= 1 : marks >= (t == MatchType::Procent ? 3 : 2));
        percent = percent || t == MatchType::Procent;
        product *= t == MatchType::Matematisk ? marks : 1;

        // Colours of the marked cells (one black base-row sign at most) and the tag.
        const auto black = std::count(col.begin(), col.end(), 'k');
        const bool baseRow = marks >= 2 && frame::isSystemType(t) && f.slottyp[frame::slotOfType(t)] == 1;
        ASSERT_EQ(black, marks < 2 ? marks : int(baseRow));
        ASSERT_EQ(std::count(col.begin(), col.end(), marks == 2 ? 'g' : 'r'), marks - black);
        const QString tag = marks < 2    ? QString()
            : t == MatchType::Matematisk ? QStringLiteral("Matematisk")
            : t == MatchType::Procent    ? f.Label5[m].left(14)
                                         : f.systemTitle(frame::slotOfType(t));
        ASSERT_EQ(f.Label5[m], tag);
        ASSERT_TRUE(t != MatchType::Procent || f.Label5[m].size() == 14);
        if (frame::isSystemType(t))
            (marks == 2 ? half : full)[std::size_t(frame::slotOfType(t))] += 1;
    }
    ASSERT_EQ(f.procentram, percent) << where;
    for (std::size_t s = 0; s < 3; ++s)
        product *= half[s] + full[s] > 0 ? f.sysrader[s] : 1;
    // Text2 stands in for a total of percent matches only.
    const double total = percent && product <= 1 ? vb::Int(vb::Val(f.Text2)) : product;
    ASSERT_EQ(vb::Val(f.Allrad), total) << where << " Allrad " << f.Allrad.toStdString();
    for (std::size_t s = 0; s < 3; ++s) {
        ASSERT_EQ((std::array{int(f.placeradhalv[s]), int(f.placeradhel[s]), int(f.sysianvand[s])}),
            (std::array{half[s], full[s], int(half[s] + full[s] > 0)}))
            << where << " slot " << s;
        ASSERT_LE(full[s], f.syshelgard[s]) << where;  // a full guard too many never stays
        ASSERT_LE(half[s], f.allowedHalf(int(s)) + 1) << where;  // at most one half guard too many
    }
}

}  // namespace

TEST(FrameEditingRandom, ClickSequencesKeepTheInvariants)
{
    std::mt19937 rng(20240607);
    std::set<int> seen;
    for (int run = 0; run < 120; ++run) {
        FrameEditing f;
        // Slot 0 plain, slot 1 with base row, slot 2 loaded in every other run.
        fillSlot(f, 0, sys(int(rng() % 4), int(rng() % 3), 27, 0, "A.RM"));
        fillSlot(f, 1, sys(int(rng() % 4), int(rng() % 3), 9, 1, "B.RU"));
        if (run % 2)
            fillSlot(f, 2, sys(2, 1, 151, 0, "C.RM"));
        std::ostringstream history;
        for (int step = 0; step < 150; ++step) {
            const int op = int(rng() % 20);
            if (op == 0) {
                const int k = int(rng() % 5);
                history << " mode" << k;
                f.Option1_Click(k);
            } else if (op == 1) {
                static const char* sets[][3] = {{"34", "33", "33"}, {"50", "30", "30"}, {"100", "0", "0"}};
                const auto& set = sets[rng() % 3];
                history << " pct" << set[0];
                setPercent(f, set[0], set[1], set[2]);
            } else if (op == 2) {
                const QString t = vb::Dec(double(int(rng() % 60) - 5));
                history << " text2=" << t.toStdString();
                f.setText2(t);
            } else {
                const int i = int(rng() % 39);
                history << " c" << i;
                for (const auto& msg : f.Label1_Click(i)) {
                    history << "!" << msg.textId.value;
                    seen.insert(msg.textId.value);
                }
            }
            checkInvariants(f, "run " + std::to_string(run) + " step " + std::to_string(step));
            if (::testing::Test::HasFatalFailure()) {
                ADD_FAILURE() << "after" << history.str();
                return;
            }
        }
    }
    // The sequences must have reached every refusal.
    EXPECT_EQ(seen,
        (std::set<int>{kMsgNoSystem.value, kMsgTooManyFull.value, kMsgTooManyHalf.value, kMsgPercentNot100.value}));
}
