// The correct-row search: a full frame counted and listed beside the step-by-step method, and the
// `search` subcommand.

#include "fullframe.h"
#include "harness.h"

#include "shell/texts/texts.h"
#include "systems/rightssearch.h"
#include "tests/systems/rightssearch_literal.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

namespace {

std::uint8_t codeOfLetter(char c) { return c == '1' ? 1 : c == 'X' || c == 'x' ? 2 : c == '2' ? 3 : 0; }

// Every row of 13 matches, in the order a frame of 13 mathematical full guards creates them.
const bench::Registrar cases([] {
    bench::addCase({"search.full-frame setup: the rows", [] { bench::keep(bench::fullFrameRows()); }, {}});
    bench::Case c;
    c.name = "search.full-frame rows=1594323";
    c.fast = [] {
        const RowMatrix& rows = bench::fullFrameRows();
        const std::vector<std::uint8_t> correct = {1, 2, 3, 1, 1, 2, 3, 3, 2, 1, 1, 2, 3};
        const auto result = rightssearch::countRights(rows, rows.upperRow(), correct);
        bench::keep(rightssearch::resultText(result, 13, rightssearch::lowestFrameLevel(rows.upperRow()), UIText(1006)));
    };
    c.literal = [] {
        const RowMatrix& m = bench::fullFrameRows();
        std::vector<std::vector<std::uint8_t>> rows(static_cast<std::size_t>(m.upperRow()));
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r].assign(m.row(static_cast<long long>(r)), m.row(static_cast<long long>(r)) + 13);
        const std::vector<std::uint8_t> correct = {1, 2, 3, 1, 1, 2, 3, 3, 2, 1, 1, 2, 3};
        bench::keep(rightssearch_literal::search(rows, correct, 13, 10, UIText(1006)));
    };
    bench::addCase(std::move(c));
});

int searchCommand(const std::vector<std::string>& args)
{
    if (args.size() < 2 || (args.size() == 3 && args[2] != "frame" && args[2] != "system")) {
        std::fprintf(stderr, "usage: search ROWSFILE CORRECT [frame|system]\n");
        return 2;
    }
    const bool system = args.size() == 3 && args[2] == "system";
    std::ifstream in(args[0]);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", args[0].c_str());
        return 1;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    const std::string& correctText = args[1];
    const int positions = system ? static_cast<int>(correctText.size()) : rightssearch::MaxPositions;
    if (positions > rightssearch::MaxPositions || correctText.size() != static_cast<std::size_t>(positions)) {
        std::fprintf(stderr, "CORRECT must have %d signs\n", positions);
        return 2;
    }
    std::vector<std::uint8_t> correct;
    for (char ch : correctText) {
        if (codeOfLetter(ch) == 0) {
            std::fprintf(stderr, "CORRECT holds only 1, X and 2\n");
            return 2;
        }
        correct.push_back(codeOfLetter(ch));
    }
    const auto count = static_cast<long long>(lines.size());
    RowMatrix rows(positions, count);
    for (long long r = 0; r < count; ++r) {
        const std::string& line = lines[static_cast<std::size_t>(r)];
        for (int m = 0; m < positions && m < static_cast<int>(line.size()); ++m)
            rows.at(m, r) = codeOfLetter(line[static_cast<std::size_t>(m)]);
    }
    const auto result = rightssearch::countRights(rows, count, correct);
    for (int k = rightssearch::MaxPositions; k >= 0; --k)
        std::printf(k > 0 ? "%lld " : "%lld\n", static_cast<long long>(result.counts[static_cast<std::size_t>(k)]));
    // A frame's label in the running language (Swedish here), a system's always Swedish.
    const QString text = system ? rightssearch::resultText(result, positions, 1, UIText(1006))
                                : rightssearch::resultText(result, rightssearch::MaxPositions,
                                      rightssearch::lowestFrameLevel(count), UIText(1006));
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return 0;
}

const bench::Registrar command([] {
    bench::addCommand({"search", "ROWSFILE CORRECT [frame|system]\n"
                                 "      ROWSFILE: one row per line in 1 X 2 (- for none); CORRECT: the correct row;\n"
                                 "      prints the counts for 13 right down to 0, then the result text (CR LF kept)",
        searchCommand});
});

}  // namespace
