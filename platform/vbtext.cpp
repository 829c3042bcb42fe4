#include "platform/vbtext.h"

#include "platform/vberror.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vb {

namespace {

bool isValBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Reads the characters of a text one at a time, stepping over blanks wherever they stand:
// Val reads "1 2 3" as 123.
class ValScanner {
public:
    explicit ValScanner(const QString& text) : s_(text) { }
    char16_t peek()
    {
        while (i_ < s_.size() && isValBlank(s_.at(i_).unicode()))
            ++i_;
        return i_ < s_.size() ? s_.at(i_).unicode() : u'\0';
    }
    void next() { ++i_; }

private:
    const QString& s_;
    qsizetype i_ = 0;
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// "&H1F" / "&O17": a 16-bit value when it fits 16 bits, else a 32-bit one, both signed as the
// Integer and Long are. Wider values are taken as they are rather than failing.
double valRadix(ValScanner& sc, int radix)
{
    unsigned long long v = 0;
    bool any = false;
    bool huge = false;
    double big = 0;
    for (;;) {
        const int d =
            radix == 16 ? hexValue(sc.peek()) : (sc.peek() >= u'0' && sc.peek() <= u'7' ? sc.peek() - u'0' : -1);
        if (d < 0)
            break;
        sc.next();
        any = true;
        if (!huge && v > (std::numeric_limits<unsigned long long>::max() >> 4)) {
            huge = true;
            big = static_cast<double>(v);
        }
        if (huge)
            big = big * radix + d;
        else
            v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
    }
    if (!any)
        return 0;
    if (huge)
        return big;
    if (v <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    if (v <= 0xFFFFFFFFu)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return static_cast<double>(v);
}

// Up to 15 significant digits and the decimal exponent of the first one; digits has no trailing zeros.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significant(double x)
{
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(x), std::chars_format::scientific, 14);
    const std::string text(buf.data(), res.ptr);
    Digits d;
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

// The number text of Dec and Str: plain up to 15 digits, an exponent form beyond.
QString numberText(double x, const QString& separator, bool leadingZero)
{
    if (std::isnan(x))
        return QStringLiteral("NaN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    if (x == 0)
        return QStringLiteral("0");
    const Digits d = significant(x);
    const QString digits = QString::fromLatin1(d.digits.data(), static_cast<qsizetype>(d.digits.size()));
    QString out;
    if (x < 0)
        out += u'-';
    if (d.exponent >= 15 || d.exponent <= -5) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += separator + digits.mid(1);
        out += d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        const int e = std::abs(d.exponent);
        out += e < 10 ? QStringLiteral("0") + QString::number(e) : QString::number(e);
        return out;
    }
    if (d.exponent >= 0) {
        const qsizetype whole = d.exponent + 1;
        if (digits.size() <= whole)
            return out + digits + QString(whole - digits.size(), u'0');
        return out + digits.left(whole) + separator + digits.mid(whole);
    }
    if (leadingZero)
        out += u'0';
    return out + separator + QString(-d.exponent - 1, u'0') + digits;
}

// Half to even, as the integer conversions round.
double roundHalfEven(double x)
{
    const double f = std::floor(x);
    const double diff = x - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

constexpr std::array<char16_t, 32> kCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

double Val(const QString& text)
{
    ValScanner sc(text);
    if (sc.peek() == u'&') {
        sc.next();
        const char16_t r = sc.peek();
        if (r == u'H' || r == u'h') {
            sc.next();
            return valRadix(sc, 16);
        }
        if (r == u'O' || r == u'o') {
            sc.next();
            return valRadix(sc, 8);
        }
        return 0;
    }

    std::string num;
    if (sc.peek() == u'-' || sc.peek() == u'+') {
        if (sc.peek() == u'-')
            num.push_back('-');
        sc.next();
    }
    bool anyDigit = false;
    while (isDigit(sc.peek())) {
        num.push_back(static_cast<char>(sc.peek()));
        anyDigit = true;
        sc.next();
    }
    if (sc.peek() == u'.') {
        num.push_back('.');
        sc.next();
        while (isDigit(sc.peek())) {
            num.push_back(static_cast<char>(sc.peek()));
            anyDigit = true;
            sc.next();
        }
    }
    if (!anyDigit)
        return 0;
    const char16_t e = sc.peek();
    if (e == u'E' || e == u'e' || e == u'D' || e == u'd') {
        sc.next();
        std::string exp = "e";
        if (sc.peek() == u'-' || sc.peek() == u'+') {
            exp.push_back(static_cast<char>(sc.peek()));
            sc.next();
        }
        bool expDigit = false;
        while (isDigit(sc.peek())) {
            exp.push_back(static_cast<char>(sc.peek()));
            expDigit = true;
            sc.next();
        }
        if (expDigit)
            num += exp;
    }

    double v = 0;
    const char* first = num.data();
    const auto res = std::from_chars(first, first + num.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // A typed "1e999" must not bring a handler down: the nearest number we can hold.
        const bool negative = num.front() == '-';
        const auto ePos = num.find('e');
        const bool tiny = ePos != std::string::npos && num.find('-', ePos) != std::string::npos;
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    return v;
}

double Int(double x) { return std::floor(x); }

namespace {
// Whole numbers are by far the most common; they need neither the locale nor the digit work.
bool plainWhole(double x) { return x == std::floor(x) && std::fabs(x) < 1e15; }
}  // namespace

QString Dec(double x)
{
    if (plainWhole(x))
        return QString::number(static_cast<long long>(x));
    return numberText(x, QLocale::system().decimalPoint(), true);
}

QString Str(double x)
{
    const QString t =
        plainWhole(x) ? QString::number(static_cast<long long>(x)) : numberText(x, QStringLiteral("."), false);
    return x < 0 ? t : QStringLiteral(" ") + t;
}

QString Space(int n)
{
    if (n < 0)
        throw VbError(vberr::InvalidCall);
    return QString(n, u' ');
}

std::int16_t CInt(double x)
{
    if (!std::isfinite(x))
        throw VbError(vberr::Overflow);
    const double r = roundHalfEven(x);
    if (r < -32768.0 || r > 32767.0)
        throw VbError(vberr::Overflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double x)
{
    if (!std::isfinite(x))
        throw VbError(vberr::Overflow);
    const double r = roundHalfEven(x);
    if (r < -2147483648.0 || r > 2147483647.0)
        throw VbError(vberr::Overflow);
    return static_cast<std::int32_t>(r);
}

std::int16_t toInt16(long long x)
{
    if (x < -32768 || x > 32767)
        throw VbError(vberr::Overflow);
    return static_cast<std::int16_t>(x);
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(static_cast<char>(c));
            continue;
        }
        char b = '?';
        for (std::size_t k = 0; k < kCp1252High.size(); ++k) {
            if (kCp1252High[k] == c) {
                b = static_cast<char>(0x80 + k);
                break;
            }
        }
        // One "?" for a character outside the basic plane, not one per half.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(b);
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        p[i] = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

int InStr(const QString& haystack, const QString& needle) { return InStr(1, haystack, needle); }

int InStr(int start, const QString& haystack, const QString& needle)
{
    if (start < 1)
        throw VbError(vberr::InvalidCall);
    if (start > haystack.size() + 1)
        return 0;
    if (needle.isEmpty())
        return start;
    const qsizetype at = haystack.indexOf(needle, start - 1, Qt::CaseInsensitive);
    return at < 0 ? 0 : static_cast<int>(at + 1);
}

QString LTrim(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    return s.mid(i);
}

QString RTrim(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }

}  // namespace vb
