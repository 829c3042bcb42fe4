// Coupon export text.

#include "frame/exportfile.h"

#include <gtest/gtest.h>
#include <utility>

TEST(CouponExport, OneLinePerCreatedRowWithThirteenFieldsOtherCodesEmptyAndFiltersNamingTheGame)
{
    // The row 1 X 2 1 1 1 X X 2 2 1 X 1, then a row of "2" only.
    const int codes[13] = {1, 2, 3, 1, 1, 1, 2, 2, 3, 3, 1, 2, 1};
    RowMatrix rows(13, 2);
    for (int i = 0; i < 13; ++i) {
        rows.at(i, 0) = std::uint8_t(codes[i]);
        rows.at(i, 1) = 3;
    }
    rows.at(5, 2) = 1;  // beyond the last written row
    EXPECT_EQ(writeCouponExport(CouponGame::Stryktipset, rows),
        "Stryktipset\r\nE,1,X,2,1,1,1,X,X,2,2,1,X,1\r\nE,2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");

    // Other codes leave the comma alone, as does a never created matrix.
    RowMatrix odd(3, 1);
    std::tie(odd.at(1, 0), odd.at(2, 0)) = std::pair(4, 2);
    EXPECT_EQ(writeCouponExport(CouponGame::Stryktipset, odd), "Stryktipset\r\nE,,,X\r\n");
    EXPECT_EQ(writeCouponExport(CouponGame::Europatipset, RowMatrix(1, 1)), "Europatipset\r\nE,\r\n");

    EXPECT_EQ(std::pair(couponExportFilter(CouponGame::Stryktipset), couponExportFilter(CouponGame::Europatipset)),
        std::pair(QStringLiteral("Svenska spel Stryktipset (*.str)|*.str|Alla filer (*.*)|*.*"),
            QStringLiteral("Svenska spel Europatipset (*.eur)|*.eur|Alla filer (*.*)|*.*")));

    // The proposed name never is the frame's own file.
    const std::pair<const char*, const char*> names[] = {{"/home/a/walkram.1X2", "/home/a/walkram.str"},
        {"Systemram 1", "Systemram 1.str"}, {"/home/a.b/walkram", "/home/a.b/walkram.str"},
        {"C:\\x.y\\ram", "C:\\x.y\\ram.str"}, {"ram.", "ram.str"}};
    for (const auto& [caption, name] : names)
        EXPECT_EQ(couponExportName(QString::fromUtf8(caption), CouponGame::Stryktipset), QString::fromUtf8(name));
    EXPECT_EQ(couponExportName(QStringLiteral("/a/x.1X2"), CouponGame::Europatipset), u"/a/x.eur");
}

// A frame's 13-match rows of signs take a shortcut: every mix of sign and other codes, compared
// with the text written one character at a time.
TEST(CouponExport, FrameRowsOfSignsAndOtherCodesMatchTheTextWrittenCharacterByCharacter)
{
    const std::uint8_t codes[] = {1, 2, 3, 1, 2, 3, 1, 2, 3, 0, 4, 255};
    RowMatrix rows(13, 4000);
    std::uint32_t seed = 7;
    for (long long j = 0; j <= rows.upperRow(); ++j)
        for (int i = 0; i <= 13; ++i) {
            seed = seed * 1103515245 + 12345;
            // Most rows hold signs only; every eighth row draws from every code.
            rows.at(i, j) = codes[(seed >> 16) % (j % 8 == 0 ? 12 : 9)];
        }
    QByteArray expected = "Europatipset\r\n";
    for (long long j = 0; j < rows.upperRow(); ++j) {
        expected += 'E';
        for (int i = 0; i < 13; ++i) {
            expected += ',';
            if (rows.at(i, j) >= 1 && rows.at(i, j) <= 3)
                expected += "-1X2"[rows.at(i, j)];
        }
        expected += "\r\n";
    }
    EXPECT_EQ(writeCouponExport(CouponGame::Europatipset, rows), expected);
}
