#include "platform/vberror.h"
#include "platform/vbtext.h"

#include "support/testhelpers.h"

#include <limits>

using namespace vb;
using namespace Qt::StringLiterals;

TEST(Val, LeadingNumberBlanksSkippedExponentsRadixPrefixesAndOutOfRangeNeverRaises)
{
    const double max = std::numeric_limits<double>::max();
    const std::pair<const char16_t*, double> cases[] = {{u"3.7", 3.7}, {u"20abc", 20}, {u" -5", -5}, {u"+7", 7},
        {u"abc", 0}, {u"", 0}, {u"-", 0}, {u".", 0}, {u".5", 0.5}, {u"-.5", -0.5}, {u"5.", 5}, {u"1.2.3", 1.2},
        {u"03", 3}, {u"--5", 0}, {u"1,5", 1},  // the point is the only decimal separator
        {u"1594323", 1594323},
        // Blanks anywhere in the number are skipped; a no-break space is not a blank.
        {u"1 2 3", 123}, {u"\t\r\n 4\t5", 45}, {u"- 5 . 2 5", -5.25}, {u"1 e 2", 100}, {u"7\u00A08", 7},
        // Exponents and radix prefixes.
        {u"1e3", 1000}, {u"2.5D2", 250}, {u"1E-2", 0.01}, {u"1e", 1}, {u"1e+x", 1}, {u"&H1F", 31}, {u"&hff zz", 255},
        {u"&HFFFF", -1}, {u"&H8000", -32768}, {u"&H10000", 65536}, {u"&HFFFFFFFF", -1}, {u"&O17", 15}, {u"&O8", 0},
        {u"&", 0}, {u"&X1", 0},
        // Out of range never raises.
        {u"1e999", max}, {u"-1e999", -max}, {u"1e-999", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Val(QString::fromUtf16(text)), value) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(Val(QString(400, u'9')), max);
    EXPECT_GT(Val(u"&H"_s + QString(40, u'F')), 1e47);
}

TEST(Numbers, IntIsFloorAndSpaceCounts)
{
    EXPECT_EQ(std::tuple(Int(2.7), Int(-2.5), Int(-3), Space(3) + u'|' + Space(0)), std::tuple(2, -3, -3, u"   |"_s));
    EXPECT_EQ(errorOf([] { Space(-1); }), vberr::InvalidCall);
}

TEST(Numbers, DecIsPlainWithTheLocaleSeparatorAndStrHasASignPlace)
{
    const std::pair<double, const char*> dec[] = {{20, "20"}, {-5, "-5"}, {0, "0"}, {-0.0, "0"}, {1594323, "1594323"},
        {3.7, "3,7"}, {-0.25, "-0,25"}, {0.0001, "0,0001"},
        {0.1 + 0.2, "0,3"},  // 15 significant digits hide the binary tail
        {123456789012345.0, "123456789012345"}, {1e15, "1E+15"}, {0.00001, "1E-05"}, {99.99999999999999, "100"}};
    for (const auto& [x, text] : dec)
        EXPECT_EQ(Dec(x), withLocaleDecimal(text)) << x;
    EXPECT_EQ(CStr(12), u"12"_s);
    const std::pair<double, const char*> str[] = {
        {1, " 1"}, {0, " 0"}, {-5, "-5"}, {2.5, " 2.5"}, {0.5, " .5"}, {-0.5, "-.5"}};
    for (const auto& [x, text] : str)
        EXPECT_EQ(Str(x), QString::fromLatin1(text)) << x;
}

TEST(Numbers, IntegerConversionsRoundHalfToEvenAndOverflowAsError6)
{
    const std::pair<double, int> cint[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {-2.6, -3}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [x, n] : cint)
        EXPECT_EQ(CInt(x), n) << x;
    for (double x : {32767.5, -32769.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(errorOf([x] { CInt(x); }), vberr::Overflow) << x;
    EXPECT_EQ(
        std::pair(CLng(1594323.5), CLng(-2147483648.0)), std::pair(1594324, std::numeric_limits<std::int32_t>::min()));
    for (double x : {2147483647.5, 1e300})
        EXPECT_EQ(errorOf([x] { CLng(x); }), vberr::Overflow) << x;
    EXPECT_EQ(std::pair(toInt16(-32768), toInt16(32767)), (std::pair<std::int16_t, std::int16_t>(-32768, 32767)));
    for (long long x : {32768LL, -32769LL})
        EXPECT_EQ(errorOf([x] { toInt16(x); }), vberr::Overflow) << x;
}

TEST(Cp1252, EveryByteRoundTripsAndUnencodablesBecomeQuestionMarks)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text.at(undefined).unicode(), undefined);
    const QString known = u"Namnlös Ändra €‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_s;
    const QByteArray bytes("Namnl\xF6s \xC4ndra \x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                           "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
    EXPECT_EQ(std::tuple(toCp1252(known), fromCp1252(bytes)), std::tuple(bytes, known));
    // U+0080 is not a Windows-1252 character even though 0x80 is a byte; one "?" per character.
    EXPECT_EQ(toCp1252(QString(QChar(0x80)) + u"Ω漢😀x"_s), QByteArray("????x"));
}

TEST(InStr, FindsIgnoringCaseFromOne)
{
    const std::tuple<int, QString, QString, int> cases[] = {{1, u"AppPath=C:\\x"_s, u"apppath"_s, 1},
        {1, u"xxÄb"_s, u"äB"_s, 3}, {1, u"abcabc"_s, u"d"_s, 0}, {3, u"abcabc"_s, u"AB"_s, 4},
        {7, u"abcabc"_s, u"c"_s, 0}, {2, u"abc"_s, {}, 2}, {4, u"abc"_s, {}, 4}, {5, u"abc"_s, {}, 0}, {1, {}, {}, 1}};
    for (const auto& [start, text, sought, at] : cases)
        EXPECT_EQ(InStr(start, text, sought), at) << start << ' ' << text.toStdString() << ' ' << sought.toStdString();
    EXPECT_EQ(InStr(u"abcabc"_s, u"bc"_s), 2);  // the form without a start
    EXPECT_EQ(errorOf([] { InStr(0, u"abc"_s, u"a"_s); }), vberr::InvalidCall);
}

TEST(Trim, SpacesOnly)
{
    EXPECT_EQ(LTrim(u"  a b  "_s) + u'|' + RTrim(u"  a b  "_s) + u'|' + Trim(u"  a b  "_s) + u'|' + Trim(u"\ta\t"_s) +
            u'|' + Trim(u"   "_s),
        u"a b  |  a b|a b|\ta\t|"_s);
}

TEST(VbError, CarriesNumberAndItsDescription)
{
    const VbError e(vberr::InputPastEnd);
    EXPECT_EQ(std::tuple(e.number(), e.description(), std::string(e.what()), VbError(vberr::DialogCancelled).number(),
                  VbError(123456).description()),
        std::tuple(62, u"Input past end of file"_s, "Input past end of file", 32755,
            u"Application-defined or object-defined error"_s));
}
