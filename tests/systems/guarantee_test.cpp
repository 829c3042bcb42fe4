#include "systems/guarantee.h"

#include "guarantee_literal.h"
#include "support/testhelpers.h"

#include <gmock/gmock.h>

#include <QStringList>
#include <random>

namespace {

// Rows as the grid shows them, one sign per position, "." for an empty cell.
GuaranteeSystem systemOf(int half, int full, bool baseRow, const std::vector<const char*>& rows)
{
    GuaranteeSystem s{half, full, baseRow, static_cast<int>(rows.size()), {}};
    for (const char* row : rows)
        for (const char* sign = row; *sign; ++sign)
            s.codes.push_back(guaranteeSignCode(QString(QChar::fromLatin1(*sign))));
    return s;
}

// The data rows of the table, each row's cells joined by "|", the rows by " ".
std::string tableRows(const GuaranteeSystem& s)
{
    const GuaranteeCounts counts = countGuarantee(s);
    EXPECT_EQ(counts, literal::countGuarantee(s));
    const GuaranteeTable table = guaranteeTableOf(counts, s.baseRow);
    QStringList rows;
    for (int g = 1; g < table.rows; ++g) {
        QStringList cells;
        for (int c = 0; c < table.cols; ++c)
            cells << table.cell(c, g);
        rows << cells.join(u'|');
    }
    return rows.join(u' ').toStdString();
}

TEST(Guarantee, CellsOfTheTable)
{
    const struct {
        int half, full;
        bool baseRow;
        std::vector<const char*> rows;
        const char* expected;
    } cases[] = {{0, 1, false, {"1"}, "1|||||33% |1||||67% ||||| ||||| |||||"},  // one full guard, one row
        {3, 0, false, {"111", "211", "121", "221", "112", "212", "122", "222"},  // full variation of 3 half guards
            "1|3|3|1||100% ||||| ||||| ||||| |||||"},
        {0, 1, false, {"."}, "||||| |1||||100% ||||| ||||| |||||"},  // an empty cell never matches
        {1, 0, false, {"X"}, "||||| |1||||100% ||||| ||||| |||||"},  // nor does "X" on a half guard
        // Four positions off leaves 9 right: only "0-9" and class 5 for the outcome opposite the row.
        {4, 0, false, {"1111"}, "1|||||6% |1||||25% ||1|||38% |||1||25% ||||1|6%"},
        // Min and max over the outcomes of a row.
        {0, 2, false, {"11", "1X"}, "1|1||||22% |1-2|0-1|||56% ||2|||22% ||||| |||||"},
        {0, 1, true, {"1"}, "|1||||100%|1 1|||||100%|0"},  // a base row that is the only row
        // Most base-row errors first; each share over the outcomes with as many errors.
        {0, 2, true, {"11", "X2"}, "1||1|||25%|2 |1|1|||50%|2 ||2|||25%|2 |1-2|0-1|||100%|1 1||1|||100%|0"}};
    for (const auto& c : cases)
        EXPECT_EQ(tableRows(systemOf(c.half, c.full, c.baseRow, c.rows)), c.expected);
}

TEST(Guarantee, FastEqualsStepByStepOnRandomSystems)
{
    std::mt19937 rng(1302);
    // Now and then empty (4) or "X" (2, on a half guard a sign no outcome has).
    const auto randomCode = [&rng](int radix) {
        const unsigned r = rng() % 20;
        return static_cast<std::uint8_t>(r < 2 ? 4 - 2 * r : rng() % static_cast<unsigned>(radix));
    };
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 1 + trial % 10, half = static_cast<int>(rng() % static_cast<unsigned>(n + 1));
        GuaranteeSystem s{half, n - half, trial % 3 == 0, 1 + static_cast<int>(rng() % (n > 7 ? 12u : 40u)), {}};
        // Rows near one another and near the base row, so that 0..3 differences all occur.
        std::vector<std::uint8_t> centre(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k)
            centre[std::size_t(k)] = s.baseRow ? 0 : randomCode(k < s.halvgard ? 2 : 3);
        for (int r = 0; r < s.rows; ++r)
            for (int k = 0; k < n; ++k)
                s.codes.push_back(rng() % 3 == 0 ? randomCode(k < s.halvgard ? 2 : 3) : centre[std::size_t(k)]);
        ASSERT_EQ(countGuarantee(s), literal::countGuarantee(s)) << "trial " << trial;
    }
}

TEST(Guarantee, ProgressRunsToTheEndAndACancelLeavesNothing)
{
    const GuaranteeSystem s = systemOf(0, 9, false, {"111111111", "XXXXXXXXX"});
    long long last = -1, calls = 0;
    const GuaranteeCounts done = countGuarantee(s, [&](long long d, long long total) {
        EXPECT_THAT(d, testing::AllOf(testing::Ge(last), testing::Le(total)));
        last = d == total ? -2 : d;
        ++calls;
        return false;
    });
    // Not cancelled; the last call reports the whole work.
    EXPECT_EQ(std::tuple(done == countGuarantee(s), last, calls > 2), std::tuple(true, -2LL, true));

    int asked = 0;
    const GuaranteeCounts stopped = countGuarantee(s, [&](long long, long long) { return ++asked == 2; });
    GuaranteeCounts empty;
    std::tie(empty.positions, empty.outcomes, empty.cancelled) = std::tuple(9, 19683.0, true);
    EXPECT_EQ(std::pair(stopped, asked), std::pair(empty, 2));
}

TEST(Guarantee, BadSystemsRaiseErrors)
{
    EXPECT_EQ(errorOf([] { countGuarantee(systemOf(0, 0, false, {""})); }), vberr::InvalidCall);
    EXPECT_EQ(errorOf([] { countGuarantee(systemOf(0, 14, false, {})); }), vberr::InvalidCall);
    const GuaranteeSystem shortCodes{0, 3, false, 2, std::vector<std::uint8_t>(3)};  // codes for one row of two
    EXPECT_EQ(errorOf([&] { countGuarantee(shortCodes); }), vberr::SubscriptOutOfRange);
}

}  // namespace
