// Building a system: the fast builder beside the step-by-step method, and the `generate` subcommand.

#include "harness.h"
#include "rowfile.h"

#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/generation.h"
#include "tests/systems/generation_literal.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

GenerationSettings settingsOf(int half, int full, int fel, int urad, int fromErrors = 0, int toErrors = -1)
{
    GenerationSettings s;
    s.halvgard = half;
    s.helgard = full;
    s.fel = fel;
    s.urad = urad;
    for (int e = fromErrors; e <= toErrors; ++e)
        s.allowed[static_cast<std::size_t>(e)] = true;
    return s;
}

void addGenerationCase(const std::string& name, const GenerationSettings& s, double minRatio)
{
    bench::addCase({name,
        [s] {
            return bench::Runs{
                [s] { bench::keep(generateSystem(s)); }, [s] { bench::keep(literal::generateSystem(s)); }};
        },
        minRatio});
}

// Sizes where the step-by-step method ends within a minute. Its coverings cost one distance count
// per uncovered candidate and chosen row in every scan, about 7e7 a second: 12 right with 9 full
// guards takes about a minute. From 10 full guards on (for 11 right from 12) a covering chooses more
// rows than the system grid takes: the builder stops at that limit and the system is refused, so
// there is no whole build to time. The RU passes compare
// each chosen row with every KU row: all errors of 10 full guards (59049 rows) take a few seconds,
// of 13 full guards (729 times the square) hours. The full variation of 13 full guards, the KU of 13
// full guards and the RU of all errors of 10 full guards build more rows than the grid takes too, but
// whole: the editor builds them before it refuses them, and so do both runs here.
const bench::Registrar cases([] {
    addGenerationCase("generate-13right-0h13f", settingsOf(0, 13, 0, 0), 2);
    addGenerationCase("generate-12right-0h8f", settingsOf(0, 8, 1, 0), 200);
    addGenerationCase("generate-12right-3h6f", settingsOf(3, 6, 1, 0), 200);
    addGenerationCase("generate-11right-0h9f", settingsOf(0, 9, 2, 0), 30);
    addGenerationCase("generate-11right-0h10f", settingsOf(0, 10, 2, 0), 150);
    addGenerationCase("generate-KU-0h13f-errors0-4", settingsOf(0, 13, 0, 1, 0, 4), 2);
    addGenerationCase("generate-RU-0h8f-errors1-3", settingsOf(0, 8, 1, 1, 1, 3), 3);
    addGenerationCase("generate-RU-0h10f-errors0-4", settingsOf(0, 10, 1, 1, 0, 4), 5);
    addGenerationCase("generate-RU-0h13f-errors0-3", settingsOf(0, 13, 1, 1, 0, 3), 2.5);
    addGenerationCase("generate-RU-0h10f-errors0-10", settingsOf(0, 10, 1, 1, 0, 10), 200);
});

// A whole number in [lo, hi], or false.
bool parseNumber(const std::string& text, int lo, int hi, int& value)
{
    if (text.empty() || text.size() > 3)
        return false;
    for (char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    value = std::atoi(text.c_str());
    return value >= lo && value <= hi;
}

const char* const kGenerateUsage =
    "HALF FULL FEL URAD [ERRORS]\n"
    "      HALF + FULL in 1..13; FEL 0, 1, 2 for 13, 12, 11 right; URAD 0 or 1; ERRORS the checked\n"
    "      numbers of errors, comma-separated (e.g. 0,1,2); prints the built rows, one per line, or\n"
    "      refuses a system of more rows than the system editor takes (its message, exit 1)";

int generateCommand(const std::vector<std::string>& args)
{
    GenerationSettings s;
    bool ok = args.size() == 4 || args.size() == 5;
    ok = ok && parseNumber(args[0], 0, 13, s.halvgard) && parseNumber(args[1], 0, 13, s.helgard) &&
        parseNumber(args[2], 0, 2, s.fel) && parseNumber(args[3], 0, 1, s.urad) && s.halvgard + s.helgard >= 1 &&
        s.halvgard + s.helgard <= 13;
    if (ok && args.size() == 5 && !args[4].empty()) {
        std::size_t from = 0;
        while (ok && from <= args[4].size()) {
            std::size_t comma = args[4].find(',', from);
            if (comma == std::string::npos)
                comma = args[4].size();
            int e = 0;
            ok = parseNumber(args[4].substr(from, comma - from), 0, 13, e);
            if (ok)
                s.allowed[static_cast<std::size_t>(e)] = true;
            from = comma + 1;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "usage: generate %s\n", kGenerateUsage);
        return 2;
    }
    // As the system editor, a system of more rows than its grid takes is refused whole.
    const GeneratedSystem g = generateSystem(s);
    if (g.tooManyRows()) {
        std::fprintf(stderr, "%s\n", MessageText(kMsgTooManyRows).toUtf8().constData());
        return 1;
    }
    char signs[3];
    for (int d = 0; d < 3; ++d)
        signs[d] = signOfDigit(d).at(0).toLatin1();
    return bench::writeRows(g.rows, g.positions, [&](long long row, int position) {
        return signs[g.digit(row, position)];
    }) ? 0 : 1;
}

const bench::Registrar command([] { bench::addCommand({"generate", kGenerateUsage, generateCommand}); });

}  // namespace
