#pragma once
// The program's text and number rules, in one place: reading numbers out of texts, writing
// numbers into captions, rounding, Windows-1252 and case-blind search. Nothing else may re-implement them.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vb {

// Leading number of a text: blanks (space, tab, CR, LF) skipped wherever they stand ("1 2 3" = 123),
// optional sign, "." as decimal point, optional exponent (E or D), stops at the first character that
// cannot continue the number; 0 for none. "&H"/"&O" read hex/octal (16-bit signed when it fits, then
// 32-bit: "&HFFFF" = -1). Never raises: beyond the double range it gives the largest double.
// Val("3.7") = 3.7, Val("20abc") = 20, Val(" -5") = -5, Val("abc") = 0.
double Val(const QString& text);

// Largest whole number not above x.
double Int(double x);

// Plain decimal text without a leading blank; fractions use the user's locale decimal separator
// (the CStr rule). Whole numbers have no separator at all. Up to 15 significant digits; the exponent
// form ("1E+15", "1E-05") only from 1E+15 up and below 0.0001.
QString Dec(double x);
inline QString CStr(double x) { return Dec(x); }

// Str: like Dec but with the point as separator and a leading blank for a non-negative number;
// no 0 before the point: Str(0.5) = " .5", Str(-0.5) = "-.5".
QString Str(double x);

// n blanks; n < 0 raises error 5.
QString Space(int n);

// Round half to even; error 6 when the result does not fit.
std::int16_t CInt(double x);
std::int32_t CLng(double x);
// Checked 16-bit store of a whole number (an Integer variable): error 6 outside -32768..32767.
std::int16_t toInt16(long long x);

// Windows-1252 in both directions. Characters without a Windows-1252 byte become "?".
QByteArray toCp1252(const QString& text);
QString fromCp1252(const QByteArray& bytes);

// 1-based position of needle in haystack from position start (1-based), letter case ignored;
// 0 when not found. An empty needle gives start (when start <= length + 1). start < 1: error 5.
int InStr(const QString& haystack, const QString& needle);
int InStr(int start, const QString& haystack, const QString& needle);

// Trim blanks (spaces only), as LTrim/RTrim/Trim.
QString LTrim(const QString& s);
QString RTrim(const QString& s);
QString Trim(const QString& s);

}  // namespace vb
