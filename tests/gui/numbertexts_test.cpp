// The program's own number texts do not follow the language: the language's locale is for Qt's
// dialogs only. Every text the program computes, shows or writes from a number is the same in both
// languages as with no language locale at all, under a C, English, Swedish and Finnish environment;
// the environment's locale gives the decimal separator of fractions (the CStr rule) and nothing else.

#include "frame/exportfile.h"
#include "frame/frameediting.h"
#include "platform/vbtext.h"
#include "printing/calibration.h"
#include "shell/qttranslations.h"
#include "shell/reductiontext.h"
#include "shell/settings.h"
#include "shell/systemgrids.h"
#include "support/testhelpers.h"
#include "systems/frameguarantee.h"
#include "systems/guarantee.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// key=value lines of every number text; keys that begin with "cstr." hold fractions written by the
// CStr rule in the environment's decimal separator.
QStringList numberTexts()
{
    QStringList out;
    const auto add = [&](const char* key, const QStringList& values) {
        out << QString::fromLatin1(key) + u'=' + values.join(u'|');
    };
    const auto number = [](double v) { return QString::number(v, 'g', 17); };

    add("dec", {vb::Dec(1234567), vb::Dec(-40), vb::Dec(1e15), vb::Dec(0)});
    add("cstr.dec", {vb::Dec(1.5), vb::Dec(-0.25), vb::Dec(2.0 / 3), vb::Dec(0.00001234)});
    add("str", {vb::Str(0.5), vb::Str(-2.5), vb::Str(7)});
    add("val", {number(vb::Val(u"1,5"_s)), number(vb::Val(u"1.5"_s)), number(vb::Val(u" 12 3abc"_s)),
                   number(vb::Val(u"&HFFFF"_s)), number(vb::Val(u"1E3"_s))});
    add("round", {QString::number(vb::CInt(2.5)), QString::number(vb::CLng(3.5)), QString::number(vb::CInt(-2.5))});

    // The percent boxes spun up and down, and the tag they give a Procent match.
    frame::FrameEditing f;
    f.setText1(0, u"40"_s);
    f.setText1(1, u"30"_s);
    f.setText1(2, u"29"_s);
    f.SpinButton1_SpinUp(2);
    f.SpinButton1_SpinDown(0);
    add("percent", {f.Text1[0], f.Text1[1], f.Text1[2], f.PercentText()});
    // A share a frame file brought with a decimal comma: a number only where the environment writes so.
    f.Text1 = {u"40"_s, u"1,5"_s, u"29"_s};
    f.SpinButton1_SpinUp(0);
    add("percent.comma", {f.Text1[0], f.PercentText()});
    // A row total that a Matematisk choice left as a fraction, and the total read back from it.
    f.Allrad = vb::Dec(10.0 / 3 * 2);
    add("cstr.allrad", {f.Allrad});
    add("rowtotal", {QString::number(f.rowTotal())});

    // A guarantee table's ranges and shares, the frame guarantee's shares, the reduction caption.
    GuaranteeCounts counts;
    counts.positions = 3;
    counts.outcomes = 7;
    counts.hits = {1, 2, 4, 0, 0};
    const auto table = guaranteeTableOf(counts, false).cells;
    add("guarantee", QStringList(table.begin(), table.end()));
    frameguarantee::Counts shares;
    shares.reached = {123, 4567, 8901, 23456};
    shares.total = 100000;
    const auto shown = frameguarantee::resultTexts(shares);
    add("cstr.frameguarantee", QStringList(shown.begin(), shown.end()));
    add("reduction", {reductionText(151, 729, 0), reductionText(151, 729, 10000)});
    add("grid", {QString::number(tagByte(u" 5"_s)), QString::number(tagByte(u"2.5"_s))});

    // The calibration file and boxes, the settings file, an export.
    PrintCalibration c = resetCalibration();
    c.ANGLE = 1.25f;
    add("calibration", {QString::fromLatin1(encodeCalibration(c).toHex()), angleText(c.ANGLE),
                           calibrationBoxKeeps(u"1,5"_s, 0, 10) ? u"keeps"_s : u"clears"_s,
                           calibrationBoxKeeps(u"12.5"_s, 0, 10) ? u"keeps"_s : u"clears"_s});
    IniItem item;
    std::int64_t end = 0;
    add("settings", {scanIniItems("AppPath=/opt/v 1,5\r\nlanguage = Finnish\r\n", u"Language"_s, item, end)
                            ? item.text + u'@' + QString::number(item.start)
                            : u"none"_s});
    RowMatrix rows(13, 2);
    for (int m = 0; m < 13; ++m)
        rows.at(m, 0) = std::uint8_t(1 + m % 3);
    add("export", {QString::fromLatin1(writeCouponExport(CouponGame::Stryktipset, rows))});
    return out;
}

std::map<QString, QString> byKey(const QStringList& lines)
{
    std::map<QString, QString> m;
    for (const QString& line : lines)
        m[line.section(u'=', 0, 0)] = line.section(u'=', 1);
    return m;
}

// Under whatever environment the suite runs in: the same texts in Swedish, in Finnish and with no
// language locale. VELKORIN_NUMBER_TEXTS names a file for the texts when another test asks.
TEST(NumberTexts, AreTheSameInBothLanguagesAsWithoutALanguage)
{
    unloadQtTranslations();
    const QStringList plain = numberTexts();
    for (const std::int16_t language : {std::int16_t(0), std::int16_t(10000)}) {
        loadQtTranslations(language);
        EXPECT_EQ(numberTexts(), plain) << "language " << language;
    }
    unloadQtTranslations();
    if (const QString file = qEnvironmentVariable("VELKORIN_NUMBER_TEXTS"); !file.isEmpty())
        writeFileBytes(file, plain.join(u'\n').toUtf8());
}

// The test above run in a program of its own under each environment locale: it passes in each, and
// the texts differ between them only in the decimal separator of the CStr fractions.
TEST(NumberTexts, UnderACEnglishSwedishAndFinnishEnvironmentOnlyCStrFractionsTakeItsSeparator)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    std::map<QString, std::map<QString, QString>> texts;
    for (const QString& locale : {u"C"_s, u"en_US.UTF-8"_s, u"sv_SE.UTF-8"_s, u"fi_FI.UTF-8"_s}) {
        const QString file = scratch.path() + u'/' + locale;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LANGUAGE"})
            env.insert(QString::fromLatin1(name), locale);
        env.insert(u"VELKORIN_NUMBER_TEXTS"_s, file);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
            {u"--gtest_filter=NumberTexts.AreTheSameInBothLanguagesAsWithoutALanguage"_s});
        ASSERT_TRUE(child.waitForFinished(60000)) << locale.toStdString();
        EXPECT_EQ(child.exitCode(), 0) << locale.toStdString() << child.readAll().toStdString();
        texts[locale] = byKey(QString::fromUtf8(readFileBytes(file)).split(u'\n'));
    }
    const auto& c = texts[u"C"_s];
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(c.at(u"cstr.dec"_s), u"1.5|-0.25|0.666666666666667|1.234E-05");
    EXPECT_EQ(c.at(u"settings"_s), u"language = Finnish@20");
    EXPECT_EQ(texts[u"en_US.UTF-8"_s], c);
    EXPECT_EQ(texts[u"fi_FI.UTF-8"_s], texts[u"sv_SE.UTF-8"_s]);
    // Val stops at a decimal comma: a row total read back from a fractional Allrad is its whole part
    // where the environment writes fractions with a comma, as it was on a Swedish Windows.
    EXPECT_EQ(c.at(u"rowtotal"_s), u"7");
    EXPECT_EQ(std::exchange(texts[u"sv_SE.UTF-8"_s].at(u"rowtotal"_s), u"7"_s), u"6");
    EXPECT_EQ(c.at(u"percent.comma"_s), u"40|%   40 1,5  29");
    EXPECT_EQ(std::exchange(texts[u"sv_SE.UTF-8"_s].at(u"percent.comma"_s), c.at(u"percent.comma"_s)),
        u"41|%   41 1,5  29");
    for (const auto& [key, value] : texts[u"sv_SE.UTF-8"_s]) {
        const QString inC = c.count(key) ? c.at(key) : QString();
        EXPECT_EQ(value, key.startsWith(u"cstr."_s) ? QString(inC).replace(u'.', u',') : inC) << key.toStdString();
    }
}

}  // namespace
