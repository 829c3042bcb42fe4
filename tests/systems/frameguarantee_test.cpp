#include "systems/frameguarantee.h"

#include "frameguarantee_literal.h"
#include "support/testhelpers.h"

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

using namespace frameguarantee;

namespace {

// "1X2 1X2 1X2 1 1 ..." with the words not given as singles "1".
Marks marksOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words{std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
    words.resize(MatchCount, "1");
    const auto marks = frametext::marksOf(words);
    EXPECT_TRUE(marks) << text;
    return marks.value_or(Marks{});
}

RowMatrix rowsOf(const std::vector<std::string>& lines)
{
    const auto rows = frametext::rowsOf(lines);
    EXPECT_TRUE(rows.has_value());
    return rows.value_or(RowMatrix(13, 0));
}

// The five shares joined by "|".
QString sharesOf(const Counts& c)
{
    const auto texts = resultTexts(c);
    return QStringList(texts.begin(), texts.end()).join(u'|');
}

}  // namespace

TEST(FrameGuarantee, FramesGiveTheirCountsAndTextsTheSharesCutNotRounded)
{
    // what, marks, rows, outcomes reached with 13, 12, 11 and 10 right, total, shares
    using Case = std::tuple<const char*, std::string, std::vector<std::string>, std::array<std::int32_t, 4>,
        std::int32_t, const char*>;
    const Case cases[] = {
        {"one row in 3 full guards", "1X2 1X2 1X2", {"1111111111111"}, {1, 6, 12, 8}, 27, "3,7%|22,2%|44,4%|29,6%|0%"},
        {"one row in 3 half guards", "1X 12 X2", {"1111111111111"}, {1, 3, 3, 1}, 8, "12,5%|37,5%|37,5%|12,5%|0%"},
        {"full variation", "1X2 X2",
            {"1X11111111111", "1211111111111", "XX11111111111", "X211111111111", "2X11111111111", "2211111111111"},
            {6, 0, 0, 0}, 6, "100%|0%|0%|0%|0%"},
        {"nothing guarded", "", {"1X21X21X21X21", "1111111111111"}, {1, 0, 0, 0}, 1, "100%|0%|0%|0%|0%"},
        {"no rows", "1X2 1X", {}, {0, 0, 0, 0}, 6, "0%|0%|0%|0%|100%"},
        {"five full guards, far from the row", "1X2 1X2 1X2 1X2 1X2", {"1111111111111"}, {1, 10, 40, 80}, 243,
            "0,4%|4,1%|16,4%|32,9%|46%"},
        {"empty sign in a full guard", "1X2", {"-111111111111"}, {0, 3, 0, 0}, 3, "0%|100%|0%|0%|0%"},
        {"empty signs in half and full guards", "1X2 X2 12", {"-1-1111111111"}, {0, 0, 6, 6}, 12, "0%|0%|50%|50%|0%"},
        {"empty in three guarded matches", "1X 1X 1X", {"---1111111111"}, {0, 0, 0, 8}, 8, "0%|0%|0%|100%|0%"},
        {"empty in four guarded matches", "1X 1X 1X 1X", {"----111111111"}, {0, 0, 0, 0}, 16, "0%|0%|0%|0%|100%"},
    };
    for (const auto& [name, marked, rowTexts, reached, total, shares] : cases) {
        SCOPED_TRACE(name);
        const Marks marks = marksOf(marked);
        const RowMatrix rows = rowsOf(rowTexts);
        const auto n = static_cast<long long>(rowTexts.size());
        const Counts fast = compute(rows, n, marks);
        EXPECT_EQ(std::tuple(fast.reached, literal::frameGuarantee(rows, n, marks).reached, fast.total, fast.cancelled,
                      sharesOf(fast)),
            std::tuple(reached, reached, total, false, withLocaleDecimal(shares)));
    }
    // Shares are cut, not rounded (16,4% above, not 16,5%), and the rest is taken in tenths.
    EXPECT_EQ(sharesOf({{117, 351, 79, 30}, 768, false}), withLocaleDecimal("15,2%|45,7%|10,2%|3,9%|25%"));
    EXPECT_EQ(sharesOf({{7, 0, 0, 0}, 8, false}), withLocaleDecimal("87,5%|0%|0%|0%|12%"));
}

TEST(FrameGuarantee, DigitsFollowTheMarkedSigns)
{
    const std::tuple<std::uint8_t, int, bool, int> cases[] = {
        // sign, radix, one marked, digit
        {1, 3, true, 1}, {2, 3, true, 2}, {3, 3, true, 3},  // full guard: the sign code
        {1, 2, true, 1}, {2, 2, true, 2}, {3, 2, true, 2},  // "1X" or "12"
        {2, 2, false, 1}, {3, 2, false, 2},  // "X2": "X" first
        {0, 3, true, 0}, {0, 2, false, 0},  // no sign: no digit
        {0, 1, false, 1},  // not guarded: never varied
    };
    for (const auto& [sign, radix, oneMarked, digit] : cases)
        EXPECT_EQ(digitOf(sign, radix, oneMarked), digit) << int(sign) << " radix " << radix;
}

TEST(FrameGuarantee, FastCountEqualsTheStepByStepPassesOnRandomFrames)
{
    std::mt19937 random(20240614);
    const std::array<const char*, 8> words{"1X2", "1X", "12", "X2", "1", "X", "2", "-"};
    for (int frame = 0; frame < 300; ++frame) {
        // Up to 9 guarded matches keeps the step-by-step passes quick; the rest singles or unmarked.
        std::vector<std::string> marksText;
        for (int m = 0, guarded = 0; m < MatchCount; ++m) {
            std::size_t w = random() % words.size();
            if (w < 4 && ++guarded > 9)
                w = 4 + random() % 4;
            marksText.push_back(words[w]);
        }
        const auto marks = frametext::marksOf(marksText);
        ASSERT_TRUE(marks);
        const long long n = frame % 10 == 0 ? 200 : 1 + random() % 25;
        RowMatrix rows(13, n);
        for (long long r = 0; r < n; ++r)
            for (int m = 0; m < MatchCount; ++m)  // near and repeated rows
                rows.at(m, r) = r > 0 && random() % 4 == 0
                    ? rows.at(m, r - 1)
                    : static_cast<std::uint8_t>(random() % 40 == 0 ? 0 : 1 + random() % 3);
        const Counts fast = compute(rows, n, *marks), slow = literal::frameGuarantee(rows, n, *marks);
        ASSERT_EQ(std::tuple(fast.total, fast.reached), std::tuple(slow.total, slow.reached)) << frame << ", " << n;
    }
}

TEST(FrameGuarantee, BarRunsThroughTheThreeStagesAndCancelStopsInAny)
{
    const Marks marks = marksOf("1X2 1X2 1X2 1X2 1X2 1X2 1X2 1X2");
    std::vector<std::string> lines;
    for (const char* row : {"1111111111111", "X2X2X2X211111", "2121212111111", "XXXX111111111"})
        lines.insert(lines.end(), 100, row);
    const RowMatrix rows = rowsOf(lines);
    std::vector<double> xs;
    compute(rows, 400, marks, [&xs](double x) {
        xs.push_back(x);
        return false;
    });
    EXPECT_EQ(std::tuple(xs.at(0), std::ranges::is_sorted(xs), xs.back() < 4950,
                  std::ranges::find(xs, 495.0) != xs.end(), std::ranges::find(xs, 1980.0) != xs.end()),
        std::tuple(0.0, true, true, true, true));

    for (double cancelAt : {0.0, 495.0, 1980.0}) {
        const Counts c = compute(rows, 400, marks, [cancelAt](double x) { return x >= cancelAt; });
        EXPECT_EQ(std::tuple(c.cancelled, c.reached), std::tuple(true, std::array<std::int32_t, 4>{})) << cancelAt;
    }
}
