// The correct-row search: marks, counts, the result text, and the fast search beside the step-by-step one.

#include "systems/rightssearch.h"
#include "systems/rightssearch_literal.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace rightssearch;

namespace {

const QString kLabel = QStringLiteral(" Rätt i rad ");
const std::vector<std::uint8_t> kOnes(13, 1);

RowMatrix matrixOf(const std::vector<std::vector<std::uint8_t>>& rows, int positions)
{
    RowMatrix m(positions, static_cast<long long>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t p = 0; p < rows[r].size(); ++p)
            m.at(static_cast<int>(p), static_cast<long long>(r)) = rows[r][p];
    return m;
}

TEST(CorrectRow, OneSignPerMatchAndASecondClickRemovesIt)
{
    CorrectRow row;
    row.click(1);  // "X" of match 0
    row.click(2);  // "2" moves the mark
    row.click(3);  // match 1 is independent
    EXPECT_EQ(std::tuple(row.marked(1), row.caption(2), row.caption(3), row.signs(2)),
        std::tuple(false, QStringLiteral("2"), QStringLiteral("1"), std::optional(std::vector<std::uint8_t>{3, 1})));
    row.click(2);
    EXPECT_EQ(std::tuple(row.caption(2), row.signs(2).has_value(), row.signs(13).has_value()),
        std::tuple(QString(), false, false));
    EXPECT_EQ(CorrectRow().signs(0), std::vector<std::uint8_t>{});  // nothing to fill in
}

TEST(RightsSearch, CountsAndListsRowsFromTheHighestLevel)
{
    // Rows 2 13 right; 5, 17 and 230 12 right (one wrong sign each); the rest none right.
    std::vector<std::vector<std::uint8_t>> rows(300, std::vector<std::uint8_t>(13, 2));
    rows[1].assign(13, 1);
    for (std::size_t r : {4u, 16u, 229u}) {
        rows[r].assign(13, 1);
        rows[r][r % 13] = 3;
    }
    const SearchResult result = countRights(matrixOf(rows, 13), 300, kOnes);
    EXPECT_EQ(std::pair(result.counts, resultText(result, 13, 1, kLabel)),
        std::pair(RightsCount{296, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 1},
            QStringLiteral("13 Rätt i rad 2\r\n\r\n12 Rätt i rad 5,17,230\r\n\r\n")));
}

TEST(RightsSearch, AFrameAbove500RowsListsOnlyTheLevels13To10)
{
    for (const long long n : {500LL, 501LL}) {
        // Row r has r % 14 right.
        RowMatrix m(13, n);
        for (long long r = 0; r < n; ++r)
            for (int p = 0; p < r % 14; ++p)
                m.at(p, r) = 1;
        const QString text = resultText(countRights(m, n, kOnes), 13, lowestFrameLevel(n), kLabel);
        EXPECT_TRUE(text.startsWith(u"13 Rätt i rad 14,28,"));
        QStringList levels;  // the levels listed, never 0 though rows have 0 right
        for (const QString& line : text.split(u'\n'))
            if (line.contains(u"Rätt"))
                levels << line.section(u' ', 0, 0);
        EXPECT_EQ(levels.join(u' ').toStdString(), n == 500 ? "13 12 11 10 9 8 7 6 5 4 3 2 1" : "13 12 11 10");
    }
}

TEST(RightsSearch, SystemCellsCountOnlyWhenExactlyASign)
{
    const std::pair<const char*, std::uint8_t> cases[] = {{"1", 1}, {"X", 2}, {"2", 3}, {"", 0}, {"x", 0}, {"1 ", 0}};
    for (const auto& [text, code] : cases)
        EXPECT_EQ(signCodeOfCell(QString::fromLatin1(text)), code) << text;
}

TEST(RightsSearch, CountsStayRightBeyond32767RowsOnOneLevelAndPositionsTheMatrixDoesNotHoldAreNeverRight)
{
    EXPECT_EQ(countRights(RowMatrix(13, 40000), 40000, kOnes).counts[0], 40000);  // all zero: no row has a sign
    RowMatrix never(1, 1);  // a row matrix never created is bounded (0 to 1, 0 to 1): one row of two cells
    never.at(0, 0) = 1;
    EXPECT_EQ(countRights(never, 1, kOnes).counts[1], 1);
}

TEST(RightsSearch, MatchesTheStepByStepSearchOnRandomRows)
{
    std::mt19937 gen(7);
    for (int round = 0; round < 200; ++round) {
        const int positions = 1 + static_cast<int>(gen() % 13);
        const auto n = static_cast<std::size_t>(gen() % 700);
        std::vector<std::vector<std::uint8_t>> rows(n, std::vector<std::uint8_t>(static_cast<std::size_t>(positions)));
        for (auto& row : rows)
            std::ranges::generate(row, [&gen] { return static_cast<std::uint8_t>(gen() % 4); });
        std::vector<std::uint8_t> correct(static_cast<std::size_t>(positions));
        std::ranges::generate(correct, [&gen] { return static_cast<std::uint8_t>(1 + gen() % 3); });
        const int last = round % 2 ? lowestFrameLevel(static_cast<long long>(n)) : 1;
        const auto literal = rightssearch_literal::search(rows, correct, positions, last, kLabel);
        const SearchResult fast = countRights(matrixOf(rows, positions), static_cast<long long>(n), correct);
        ASSERT_EQ(
            std::pair(fast.counts, resultText(fast, positions, last, kLabel)), std::pair(literal.counts, literal.text))
            << round;
    }
}

}  // namespace
