// The guarantee table of a system: the fast count beside the per-outcome method, and the `guarantee`
// subcommand.

#include "harness.h"
#include "rowfile.h"

#include "shell/reductiontext.h"
#include "systems/generation.h"
#include "systems/guarantee.h"
#include "tests/systems/guarantee_literal.h"

#include <cstdio>
#include <memory>
#include <random>
#include <string>

namespace {

GuaranteeSystem generated(int full, int fel)
{
    GenerationSettings g;
    g.helgard = full;
    g.fel = fel;
    const GeneratedSystem rows = generateSystem(g);
    GuaranteeSystem s;
    s.helgard = full;
    s.rows = static_cast<int>(rows.rows);
    s.codes = rows.digits;  // digit 1 is "2" and 2 is "X", as the sign codes
    return s;
}

GuaranteeSystem randomSystem(int half, int full, int rows)
{
    std::mt19937 rng(static_cast<unsigned>(half * 100 + full + rows));
    GuaranteeSystem s;
    s.halvgard = half;
    s.helgard = full;
    s.rows = rows;
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < s.positions(); ++k)
            s.codes.push_back(static_cast<std::uint8_t>(rng() % (k < half ? 2u : 3u)));
    return s;
}

void addGuaranteeCase(const std::string& name, const std::function<GuaranteeSystem()>& make, double minRatio)
{
    bench::addCase({name,
        [make] {
            auto s = std::make_shared<const GuaranteeSystem>(make());
            return bench::Runs{
                [s] { bench::keep(countGuarantee(*s)); }, [s] { bench::keep(literal::countGuarantee(*s)); }};
        },
        minRatio});
}

// The per-outcome method scores every row against every outcome, about 8e7 rows and outcomes a
// second: 13 full guards (1,594,323 outcomes) with 250 rows take about 5 s, 3 half and 10 full
// guards (472,392 outcomes) with 1,000 rows about 6 s.
const bench::Registrar cases([] {
    addGuaranteeCase("guarantee-0h10f-1092rows", [] { return generated(10, 2); }, 80);
    addGuaranteeCase("guarantee-0h13f-250rows", [] { return randomSystem(0, 13, 250); }, 30);
    addGuaranteeCase("guarantee-3h10f-1000rows", [] { return randomSystem(3, 10, 1000); }, 80);
});

bool parseCount(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stoi(text);
    return value <= 13;
}

int fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return 2;
}

int guaranteeCommand(const std::vector<std::string>& args)
{
    const bool finnish = args.size() == 5 && args[4] == "--fi";
    GuaranteeSystem s;
    int urad = 0;
    if ((args.size() != 4 && !finnish) || !parseCount(args[1], s.halvgard) || !parseCount(args[2], s.helgard) ||
        !parseCount(args[3], urad) || urad > 1)
        return fail("usage: guarantee ROWSFILE HALF FULL URAD [--fi]\n"
                    "  ROWSFILE: one system row per line, one sign per position (half guards first):\n"
                    "  1, X, 2, or . for an empty cell; lines starting with # are comments");
    s.baseRow = urad == 1;
    const int n = s.positions();
    if (n < 1 || n > 13)
        return fail("HALF + FULL must be 1..13");
    std::string problem;
    int number = 0;
    const bool read = bench::forEachLine(args[0], [&](std::string_view line) {
        ++number;
        if (line.empty() || line[0] == '#')
            return true;
        if (static_cast<int>(line.size()) != n || line.find_first_not_of("1X2.") != std::string_view::npos) {
            problem =
                "line " + std::to_string(number) + ": a row needs " + std::to_string(n) + " signs of 1, X, 2 or .";
            return false;
        }
        for (char sign : line)
            s.codes.push_back(guaranteeSignCode(sign == '.' ? QString() : QString(QChar::fromLatin1(sign))));
        if (++s.rows > 32767)
            problem = "more than 32767 rows";
        return problem.empty();
    });
    if (!read)
        return fail("cannot read " + args[0]);
    if (!problem.empty())
        return fail(problem);
    const GuaranteeCounts counts = countGuarantee(s);
    const GuaranteeTable table = guaranteeTableOf(counts, s.baseRow);
    std::string out = reductionText(s.rows, counts.outcomes, finnish ? 10000 : 0).toStdString() + '\n';
    for (int g = 1; g < table.rows; ++g) {
        for (int c = 0; c < table.cols; ++c) {
            if (c > 0)
                out += '\t';
            out += table.cell(c, g).toStdString();
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

const bench::Registrar command([] {
    bench::addCommand({"guarantee", "ROWSFILE HALF FULL URAD [--fi]", guaranteeCommand});
});

}  // namespace
