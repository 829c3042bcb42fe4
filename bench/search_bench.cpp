// The correct-row search: a full frame counted and listed beside the step-by-step method, and the
// `search` subcommand.

#include "fullframe.h"
#include "harness.h"
#include "rowfile.h"

#include "shell/texts/textids.h"
#include "shell/texts/texts.h"
#include "systems/rightssearch.h"
#include "tests/systems/rightssearch_literal.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

const std::vector<std::uint8_t> kCorrect = {1, 2, 3, 1, 1, 2, 3, 3, 2, 1, 1, 2, 3};

const bench::Registrar cases([] {
    bench::addCase({"search.full-frame",
        [] {
            auto rows = std::make_shared<const RowMatrix>(bench::fullFrameRows());
            return bench::Runs{[rows] {
                                   const auto result = rightssearch::countRights(*rows, rows->upperRow(), kCorrect);
                                   bench::keep(rightssearch::resultText(result, 13,
                                       rightssearch::lowestFrameLevel(rows->upperRow()), UIText(kUiRightsInRow)));
                               },
                [rows] {
                    std::vector<std::vector<std::uint8_t>> list(static_cast<std::size_t>(rows->upperRow()));
                    for (std::size_t r = 0; r < list.size(); ++r)
                        list[r].assign(rows->row(static_cast<long long>(r)), rows->row(static_cast<long long>(r)) + 13);
                    bench::keep(rightssearch_literal::search(list, kCorrect, 13, 10, UIText(kUiRightsInRow)));
                }};
        },
        3});
});

int searchCommand(const std::vector<std::string>& args)
{
    if (args.size() < 2 || (args.size() == 3 && args[2] != "frame" && args[2] != "system")) {
        std::fprintf(stderr, "usage: search ROWSFILE CORRECT [frame|system]\n");
        return 2;
    }
    const bool system = args.size() == 3 && args[2] == "system";
    const std::string& correctText = args[1];
    const int positions = system ? static_cast<int>(correctText.size()) : rightssearch::MaxPositions;
    if (positions > rightssearch::MaxPositions || correctText.size() != static_cast<std::size_t>(positions)) {
        std::fprintf(stderr, "CORRECT must have %d signs\n", positions);
        return 2;
    }
    std::vector<std::uint8_t> correct;
    for (char ch : correctText) {
        if (bench::signCodeOf(ch) <= 0) {
            std::fprintf(stderr, "CORRECT holds only 1, X and 2\n");
            return 2;
        }
        correct.push_back(static_cast<std::uint8_t>(bench::signCodeOf(ch)));
    }
    RowMatrix rows(positions, bench::mostRowsIn(args[0], positions));
    long long count = 0;
    long long badLine = 0;
    long long number = 0;
    const bool read = bench::forEachLine(args[0], [&](std::string_view line) {
        ++number;
        if (line.empty())
            return true;
        if (!bench::readRow(line, positions, rows, count)) {
            badLine = number;
            return false;
        }
        ++count;
        return true;
    });
    if (!read) {
        std::fprintf(stderr, "cannot read %s\n", args[0].c_str());
        return 1;
    }
    if (badLine > 0) {
        std::fprintf(stderr, "line %lld: a row needs %d signs of 1, X, 2 or -\n", badLine, positions);
        return 2;
    }
    const auto result = rightssearch::countRights(rows, count, correct);
    for (int k = rightssearch::MaxPositions; k >= 0; --k)
        std::printf(k > 0 ? "%lld " : "%lld\n", static_cast<long long>(result.counts[static_cast<std::size_t>(k)]));
    // A frame's label in the running language (Swedish here), a system's always Swedish.
    const QString text = system ? rightssearch::resultText(result, positions, 1, UIText(kUiRightsInRow))
                                : rightssearch::resultText(result, rightssearch::MaxPositions,
                                      rightssearch::lowestFrameLevel(count), UIText(kUiRightsInRow));
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return 0;
}

const bench::Registrar command([] {
    bench::addCommand({"search",
        "ROWSFILE CORRECT [frame|system]\n"
        "      ROWSFILE: one row per line, a sign per position: 1, X, 2 or - for none; CORRECT: the correct row;\n"
        "      prints the counts for 13 right down to 0, then the result text (CR LF kept)",
        searchCommand});
});

}  // namespace
