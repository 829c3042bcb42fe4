// The frame guarantee: the breadth-first count beside the three-pass method, and the `frameguarantee`
// subcommand.

#include "harness.h"
#include "rowfile.h"

#include "systems/frameguarantee.h"
#include "tests/systems/frameguarantee_literal.h"

#include <QLocale>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <sstream>

namespace {

frameguarantee::Marks fullGuards()
{
    frameguarantee::Marks marks;
    marks.antalmarkerade.fill(3);
    marks.ettamarkerad.fill(1);
    marks.antalmarkerade[13] = marks.ettamarkerad[13] = 0;
    return marks;
}

// `count` rows drawn at random (repeats allowed), or every outcome once when count is 3^13.
RowMatrix rowsOfFullGuards(long long count)
{
    RowMatrix rows(13, count);
    std::mt19937 random(1594323);
    for (long long r = 0; r < count; ++r) {
        long long rest = r;
        for (int m = 0; m < 13; ++m) {
            const long long digit = count == 1594323 ? rest % 3 : random() % 3;
            rest /= 3;
            rows.at(m, r) = static_cast<std::uint8_t>(1 + digit);
        }
    }
    return rows;
}

void addFrameCase(const std::string& name, long long count, double minRatio)
{
    bench::addCase({name,
        [count] {
            auto rows = std::make_shared<const RowMatrix>(rowsOfFullGuards(count));
            return bench::Runs{[rows, count] { bench::keep(frameguarantee::compute(*rows, count, fullGuards())); },
                [rows, count] { bench::keep(literal::frameGuarantee(*rows, count, fullGuards())); }};
        },
        minRatio});
}

// The three passes cost the same per row whatever the rows are, about 6 s per 100,000 rows on a
// loaded machine: all 1,594,323 rows take minutes, beyond what a case may take.
const bench::Registrar cases([] {
    addFrameCase("frameguarantee-13full-1000rows", 1000, 0.8);
    addFrameCase("frameguarantee-13full-100000rows", 100000, 40);
});

int usage()
{
    std::fprintf(stderr,
        "usage: frameguarantee FRAMEFILE\n"
        "  FRAMEFILE: a line \"marks: W1 .. W13\", each word the marked signs of a match in the order\n"
        "  1, X, 2 (1X2, 1X, 12, X2, 1, X, 2, or - for none); then one created row per line, 13 of\n"
        "  1, X, 2, or - for no sign\n");
    return 2;
}

int frameGuaranteeCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    std::optional<frameguarantee::Marks> marks;
    RowMatrix rows(13, bench::mostRowsIn(args[0], frameguarantee::MatchCount));
    long long count = 0;
    bool ok = true;
    const bool read = bench::forEachLine(args[0], [&](std::string_view line) {
        if (line.empty())
            return true;
        if (marks) {
            ok = bench::readRow(line, frameguarantee::MatchCount, rows, count++);
        } else {
            std::istringstream in{std::string(line)};
            std::string head;
            std::vector<std::string> words;
            in >> head;
            for (std::string w; in >> w;)
                words.push_back(w);
            marks = frametext::marksOf(words);
            ok = head == "marks:" && marks;
        }
        return ok;
    });
    if (!read) {
        std::fprintf(stderr, "cannot read %s\n", args[0].c_str());
        return 2;
    }
    if (!ok || !marks)
        return usage();
    const frameguarantee::Counts c = frameguarantee::compute(rows, count, *marks);
    std::printf("%d %d %d %d %d\n", c.reached[0], c.reached[1], c.reached[2], c.reached[3], c.total);
    // As the window shows them under settings with a decimal comma.
    for (QString text : frameguarantee::resultTexts(c))
        std::printf("%s\n", text.replace(QLocale::system().decimalPoint(), QStringLiteral(",")).toUtf8().constData());
    return 0;
}

const bench::Registrar command([] { bench::addCommand({"frameguarantee", "FRAMEFILE", frameGuaranteeCommand}); });

}  // namespace
