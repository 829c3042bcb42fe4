#include "systems/guarantee.h"

#include "guarantee_literal.h"
#include "platform/vberror.h"
#include "support/testhelpers.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <random>
#include <string>
#include <vector>

namespace {

// Rows as the grid shows them, one sign per position, "." for an empty cell.
GuaranteeSystem systemOf(int half, int full, bool baseRow, const std::vector<const char*>& rows)
{
    GuaranteeSystem s;
    s.halvgard = half;
    s.helgard = full;
    s.baseRow = baseRow;
    s.rows = static_cast<int>(rows.size());
    for (const char* row : rows)
        for (const char* sign = row; *sign; ++sign)
            s.codes.push_back(guaranteeSignCode(QString(QChar::fromLatin1(*sign))));
    return s;
}

// Each data row of the table, its cells joined by "|".
std::vector<std::string> tableRows(const GuaranteeSystem& s)
{
    const GuaranteeCounts counts = countGuarantee(s);
    EXPECT_EQ(counts, literal::countGuarantee(s));
    const GuaranteeTable table = guaranteeTableOf(counts, s.baseRow);
    EXPECT_EQ(table.cols, s.baseRow ? 7 : 6);
    std::vector<std::string> rows;
    for (int g = 1; g < table.rows; ++g) {
        QStringList cells;
        for (int c = 0; c < table.cols; ++c)
            cells << table.cell(c, g);
        rows.push_back(cells.join(u'|').toStdString());
    }
    return rows;
}

struct TableCase {
    const char* name;
    int half, full;
    bool baseRow;
    std::vector<const char*> rows;
    std::vector<std::string> expected;
};

class GuaranteeTables : public ::testing::TestWithParam<TableCase> { };

TEST_P(GuaranteeTables, CellsOfTheTable)
{
    const TableCase& c = GetParam();
    EXPECT_EQ(tableRows(systemOf(c.half, c.full, c.baseRow, c.rows)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Guarantee, GuaranteeTables,
    ::testing::Values(
        TableCase{"OneFullGuardOneRow", 0, 1, false, {"1"}, {"1|||||33%", "|1||||67%", "|||||", "|||||", "|||||"}},
        TableCase{"FullVariationOfThreeHalfGuards", 3, 0, false,
            {"111", "211", "121", "221", "112", "212", "122", "222"},
            {"1|3|3|1||100%", "|||||", "|||||", "|||||", "|||||"}},
        TableCase{"EmptyCellNeverMatches", 0, 1, false, {"."}, {"|||||", "|1||||100%", "|||||", "|||||", "|||||"}},
        TableCase{"XOnAHalfGuardNeverMatches", 1, 0, false, {"X"}, {"|||||", "|1||||100%", "|||||", "|||||", "|||||"}},
        // Four positions off leaves 9 right: only "0-9" and class 5 for the outcome opposite the row.
        TableCase{
            "BelowTenRight", 4, 0, false, {"1111"}, {"1|||||6%", "|1||||25%", "||1|||38%", "|||1||25%", "||||1|6%"}},
        TableCase{"MinAndMaxOverTheOutcomesOfARow", 0, 2, false, {"11", "1X"},
            {"1|1||||22%", "|1-2|0-1|||56%", "||2|||22%", "|||||", "|||||"}},
        TableCase{"BaseRowOnlyTheBaseRow", 0, 1, true, {"1"}, {"|1||||100%|1", "1|||||100%|0"}},
        // Most base-row errors first; each share over the outcomes with as many errors.
        TableCase{"BaseRowSharesPerNumberOfErrors", 0, 2, true, {"11", "X2"},
            {"1||1|||25%|2", "|1|1|||50%|2", "||2|||25%|2", "|1-2|0-1|||100%|1", "1||1|||100%|0"}}),
    [](const auto& param) { return std::string(param.param.name); });

std::uint8_t randomCode(std::mt19937& rng, int radix)
{
    const int r = static_cast<int>(rng() % 20);
    if (r == 0)
        return 4;  // empty
    if (r == 1)
        return 2;  // "X", on a half guard a sign no outcome has
    return static_cast<std::uint8_t>(rng() % static_cast<unsigned>(radix));
}

TEST(Guarantee, FastEqualsLiteralOnRandomSystems)
{
    std::mt19937 rng(1302);
    for (int trial = 0; trial < 400; ++trial) {
        GuaranteeSystem s;
        const int n = 1 + trial % 10;
        s.halvgard = static_cast<int>(rng() % static_cast<unsigned>(n + 1));
        s.helgard = n - s.halvgard;
        s.baseRow = trial % 3 == 0;
        s.rows = 1 + static_cast<int>(rng() % (n > 7 ? 12u : 40u));
        // Rows near one another and near the base row, so that 0..3 differences all occur.
        std::vector<std::uint8_t> centre(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k)
            centre[std::size_t(k)] = s.baseRow ? 0 : randomCode(rng, k < s.halvgard ? 2 : 3);
        for (int r = 0; r < s.rows; ++r)
            for (int k = 0; k < n; ++k)
                s.codes.push_back(rng() % 3 == 0 ? randomCode(rng, k < s.halvgard ? 2 : 3) : centre[std::size_t(k)]);
        const GuaranteeCounts fast = countGuarantee(s);
        ASSERT_EQ(fast, literal::countGuarantee(s)) << "trial " << trial << ": " << s.halvgard << "h " << s.helgard
                                                    << "f base row " << s.baseRow << ", " << s.rows << " rows";
    }
}

TEST(Guarantee, ProgressRunsToTheEndAndACancelLeavesNothing)
{
    const GuaranteeSystem s = systemOf(0, 9, false, {"111111111", "XXXXXXXXX"});
    long long last = -1;
    long long calls = 0;
    const GuaranteeCounts done = countGuarantee(s, [&](long long d, long long total) {
        EXPECT_GE(d, last);
        EXPECT_LE(d, total);
        last = d == total ? -2 : d;
        ++calls;
        return false;
    });
    EXPECT_FALSE(done.cancelled);
    EXPECT_EQ(last, -2);  // the last call reports the whole work
    EXPECT_GT(calls, 2);

    int asked = 0;
    const GuaranteeCounts stopped = countGuarantee(s, [&](long long, long long) { return ++asked == 2; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(asked, 2);
    GuaranteeCounts empty;
    empty.positions = 9;
    empty.outcomes = 19683;
    empty.cancelled = true;
    EXPECT_EQ(stopped, empty);
}

TEST(Guarantee, BadSystemsRaiseErrors)
{
    EXPECT_EQ(errorOf([] { countGuarantee(systemOf(0, 0, false, {""})); }), vberr::InvalidCall);
    EXPECT_EQ(errorOf([] { countGuarantee(systemOf(0, 14, false, {})); }), vberr::InvalidCall);
    GuaranteeSystem shortCodes = systemOf(0, 3, false, {"111"});
    shortCodes.rows = 2;
    EXPECT_EQ(errorOf([&] { countGuarantee(shortCodes); }), vberr::SubscriptOutOfRange);
}

}  // namespace
