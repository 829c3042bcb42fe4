// Building a system: the fast builder beside the step-by-step method, and the `generate` subcommand.

#include "harness.h"

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

void addGenerationCase(const std::string& name, const GenerationSettings& s, bool literalWithinAMinute)
{
    bench::addCase({name, [s, literalWithinAMinute] {
                        bench::Runs runs{[s] { bench::keep(generateSystem(s)); }, {}};
                        if (literalWithinAMinute)
                            runs.literal = [s] { bench::keep(literal::generateSystem(s)); };
                        return runs;
                    }});
}

// Where the step-by-step method would not end within a minute. Its coverings cost one distance count
// per uncovered candidate and chosen row in every scan; replaying the scans from the built rows gives
// their number, and the method manages about 7e7 of them a second:
//   12 right, 9 full guards: 4.4e9 (about a minute); 10 full: 1.0e11; 13 full: 1.4e15;
//   11 right, 10 full guards: 1.3e9 (about 20 s);     12 full: 5.7e11; 13 full: 1.2e13.
// The RU passes compare each chosen row with every KU row: chosen x KU rows grows with the square of
// the KU rows; all errors of 10 full guards (59049 rows) take 4 s, so 13 full guards (729 times the
// square) take hours.
const bench::Registrar cases([] {
    addGenerationCase("generate-13right-0h13f", settingsOf(0, 13, 0, 0), true);
    addGenerationCase("generate-12right-0h8f", settingsOf(0, 8, 1, 0), true);
    addGenerationCase("generate-12right-3h6f", settingsOf(3, 6, 1, 0), true);
    addGenerationCase("generate-12right-0h9f", settingsOf(0, 9, 1, 0), false);
    addGenerationCase("generate-12right-0h10f", settingsOf(0, 10, 1, 0), false);
    addGenerationCase("generate-12right-2h11f", settingsOf(2, 11, 1, 0), false);
    addGenerationCase("generate-12right-0h13f", settingsOf(0, 13, 1, 0), false);
    addGenerationCase("generate-11right-0h9f", settingsOf(0, 9, 2, 0), true);
    addGenerationCase("generate-11right-0h10f", settingsOf(0, 10, 2, 0), true);
    addGenerationCase("generate-11right-0h12f", settingsOf(0, 12, 2, 0), false);
    addGenerationCase("generate-11right-0h13f", settingsOf(0, 13, 2, 0), false);
    addGenerationCase("generate-KU-0h13f-errors0-4", settingsOf(0, 13, 0, 1, 0, 4), true);
    addGenerationCase("generate-RU-0h8f-errors1-3", settingsOf(0, 8, 1, 1, 1, 3), true);
    addGenerationCase("generate-RU-0h10f-errors0-4", settingsOf(0, 10, 1, 1, 0, 4), true);
    addGenerationCase("generate-RU-0h13f-errors0-3", settingsOf(0, 13, 1, 1, 0, 3), true);
    addGenerationCase("generate-RU-0h10f-errors0-10", settingsOf(0, 10, 1, 1, 0, 10), true);
    addGenerationCase("generate-RU-0h13f-errors0-13", settingsOf(0, 13, 1, 1, 0, 13), false);
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
        std::fprintf(stderr,
            "usage: generate HALF FULL FEL URAD [ERRORS]\n"
            "  HALF + FULL in 1..13; FEL 0, 1, 2 for 13, 12, 11 right; URAD 0 or 1;\n"
            "  ERRORS the checked numbers of errors, comma-separated (e.g. 0,1,2)\n");
        return 2;
    }
    const GeneratedSystem g = generateSystem(s);
    const std::string signs[3] = {
        signOfDigit(0).toStdString(), signOfDigit(1).toStdString(), signOfDigit(2).toStdString()};
    std::string line;
    for (long long c = 1; c <= g.rows; ++c) {
        line.clear();
        for (int k = 1; k <= g.positions; ++k)
            line += signs[g.digit(c - 1, k - 1)];
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

const bench::Registrar command([] { bench::addCommand({"generate", "HALF FULL FEL URAD [ERRORS]", generateCommand}); });

}  // namespace
