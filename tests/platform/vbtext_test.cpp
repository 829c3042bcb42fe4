#include "platform/vberror.h"
#include "platform/vbtext.h"

#include <QLocale>

#include "support/testhelpers.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vb;
using namespace Qt::StringLiterals;

namespace {
}  // namespace

TEST(Val, TakesTheLeadingNumber)
{
    EXPECT_EQ(Val(u"3.7"_s), 3.7);
    EXPECT_EQ(Val(u"20abc"_s), 20);
    EXPECT_EQ(Val(u" -5"_s), -5);
    EXPECT_EQ(Val(u"+7"_s), 7);
    EXPECT_EQ(Val(u"abc"_s), 0);
    EXPECT_EQ(Val(QString()), 0);
    EXPECT_EQ(Val(u"-"_s), 0);
    EXPECT_EQ(Val(u"."_s), 0);
    EXPECT_EQ(Val(u".5"_s), 0.5);
    EXPECT_EQ(Val(u"-.5"_s), -0.5);
    EXPECT_EQ(Val(u"5."_s), 5);
    EXPECT_EQ(Val(u"1.2.3"_s), 1.2);
    EXPECT_EQ(Val(u"03"_s), 3);
    EXPECT_EQ(Val(u"3x"_s), 3);
    EXPECT_EQ(Val(u"--5"_s), 0);
    EXPECT_EQ(Val(u"1,5"_s), 1);  // the point is the only decimal separator
    EXPECT_EQ(Val(u"1594323"_s), 1594323);
}

TEST(Val, BlanksAnywhereInTheNumberAreSkipped)
{
    EXPECT_EQ(Val(u"1 2 3"_s), 123);
    EXPECT_EQ(Val(u"\t\r\n 4\t5"_s), 45);
    EXPECT_EQ(Val(u"- 5 . 2 5"_s), -5.25);
    EXPECT_EQ(Val(u"1 e 2"_s), 100);
    EXPECT_EQ(Val(u"7"_s + QChar(0xA0) + u"8"_s), 7);  // a no-break space is not a blank
}

TEST(Val, ExponentsAndRadixPrefixes)
{
    EXPECT_EQ(Val(u"1e3"_s), 1000);
    EXPECT_EQ(Val(u"2.5D2"_s), 250);
    EXPECT_EQ(Val(u"1E-2"_s), 0.01);
    EXPECT_EQ(Val(u"1e"_s), 1);
    EXPECT_EQ(Val(u"1e+x"_s), 1);
    EXPECT_EQ(Val(u"&H1F"_s), 31);
    EXPECT_EQ(Val(u"&hff zz"_s), 255);
    EXPECT_EQ(Val(u"&HFFFF"_s), -1);
    EXPECT_EQ(Val(u"&H8000"_s), -32768);
    EXPECT_EQ(Val(u"&H10000"_s), 65536);
    EXPECT_EQ(Val(u"&HFFFFFFFF"_s), -1);
    EXPECT_EQ(Val(u"&O17"_s), 15);
    EXPECT_EQ(Val(u"&O8"_s), 0);
    EXPECT_EQ(Val(u"&"_s), 0);
    EXPECT_EQ(Val(u"&X1"_s), 0);
}

TEST(Val, OutOfRangeNeverRaises)
{
    EXPECT_EQ(Val(u"1e999"_s), std::numeric_limits<double>::max());
    EXPECT_EQ(Val(u"-1e999"_s), -std::numeric_limits<double>::max());
    EXPECT_EQ(Val(u"1e-999"_s), 0);
    EXPECT_EQ(Val(QString(400, u'9')), std::numeric_limits<double>::max());
    EXPECT_GT(Val(u"&H"_s + QString(40, u'F')), 1e47);
}

TEST(Numbers, IntIsFloorAndSpaceCounts)
{
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Int(-3), -3);
    EXPECT_EQ(Space(3), u"   "_s);
    EXPECT_EQ(Space(0), QString());
    EXPECT_EQ(errorOf([] { Space(-1); }), vberr::InvalidCall);
}

TEST(Numbers, DecIsPlainWithTheLocaleSeparator)
{
    const QString sep = QLocale::system().decimalPoint();
    EXPECT_EQ(Dec(20), u"20"_s);
    EXPECT_EQ(Dec(-5), u"-5"_s);
    EXPECT_EQ(Dec(0), u"0"_s);
    EXPECT_EQ(Dec(-0.0), u"0"_s);
    EXPECT_EQ(Dec(1594323), u"1594323"_s);
    EXPECT_EQ(Dec(3.7), u"3"_s + sep + u"7"_s);
    EXPECT_EQ(Dec(-0.25), u"-0"_s + sep + u"25"_s);
    EXPECT_EQ(Dec(0.0001), u"0"_s + sep + u"0001"_s);
    EXPECT_EQ(Dec(0.1 + 0.2), u"0"_s + sep + u"3"_s);  // 15 significant digits hide the binary tail
    EXPECT_EQ(Dec(123456789012345.0), u"123456789012345"_s);
    EXPECT_EQ(Dec(1e15), u"1E+15"_s);
    EXPECT_EQ(Dec(0.00001), u"1E-05"_s);
    EXPECT_EQ(Dec(99.99999999999999), u"100"_s);
    EXPECT_EQ(CStr(12), u"12"_s);
}

TEST(Numbers, StrHasASignPlace)
{
    EXPECT_EQ(Str(1), u" 1"_s);
    EXPECT_EQ(Str(0), u" 0"_s);
    EXPECT_EQ(Str(-5), u"-5"_s);
    EXPECT_EQ(Str(2.5), u" 2.5"_s);
    EXPECT_EQ(Str(0.5), u" .5"_s);
    EXPECT_EQ(Str(-0.5), u"-.5"_s);
}

TEST(Numbers, IntegerConversionsRoundHalfToEvenAndOverflowAsError6)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(2.4999), 2);
    EXPECT_EQ(CInt(-2.6), -3);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(errorOf([] { CInt(32767.5); }), vberr::Overflow);
    EXPECT_EQ(errorOf([] { CInt(-32769); }), vberr::Overflow);
    EXPECT_EQ(errorOf([] { CInt(std::numeric_limits<double>::quiet_NaN()); }), vberr::Overflow);
    EXPECT_EQ(CLng(1594323.5), 1594324);
    EXPECT_EQ(CLng(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(errorOf([] { CLng(2147483647.5); }), vberr::Overflow);
    EXPECT_EQ(errorOf([] { CLng(1e300); }), vberr::Overflow);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(errorOf([] { toInt16(32768); }), vberr::Overflow);
    EXPECT_EQ(errorOf([] { toInt16(-32769); }), vberr::Overflow);
}

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x8A), QChar(0x0160));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0xE4), QChar(u'ä'));
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text.at(undefined).unicode(), undefined);
}

TEST(Cp1252, KnownCharactersAndUnencodables)
{
    EXPECT_EQ(toCp1252(u"Namnlös Ändra €‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_s),
        QByteArray("Namnl\xF6s \xC4ndra \x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                   "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"));
    // U+0080 is not a Windows-1252 character even though 0x80 is a byte; one "?" per character.
    EXPECT_EQ(toCp1252(QString(QChar(0x80)) + u"Ω漢😀x"_s), QByteArray("????x"));
}

TEST(InStr, FindsIgnoringCaseFromOne)
{
    EXPECT_EQ(InStr(u"AppPath=C:\\x"_s, u"apppath"_s), 1);
    EXPECT_EQ(InStr(u"xxÄb"_s, u"äB"_s), 3);
    EXPECT_EQ(InStr(u"abcabc"_s, u"d"_s), 0);
    EXPECT_EQ(InStr(3, u"abcabc"_s, u"AB"_s), 4);
    EXPECT_EQ(InStr(7, u"abcabc"_s, u"c"_s), 0);
    EXPECT_EQ(InStr(2, u"abc"_s, QString()), 2);
    EXPECT_EQ(InStr(4, u"abc"_s, QString()), 4);
    EXPECT_EQ(InStr(5, u"abc"_s, QString()), 0);
    EXPECT_EQ(InStr(QString(), QString()), 1);
    EXPECT_EQ(errorOf([] { InStr(0, u"abc"_s, u"a"_s); }), vberr::InvalidCall);
}

TEST(Trim, SpacesOnly)
{
    EXPECT_EQ(LTrim(u"  a b  "_s), u"a b  "_s);
    EXPECT_EQ(RTrim(u"  a b  "_s), u"  a b"_s);
    EXPECT_EQ(Trim(u"  a b  "_s), u"a b"_s);
    EXPECT_EQ(Trim(u"\ta\t"_s), u"\ta\t"_s);
    EXPECT_EQ(Trim(u"   "_s), QString());
}
