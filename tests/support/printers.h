#pragma once
// How a failing expectation prints Qt's texts and bytes: as quoted strings, not as lists of
// characters. Every test file gets this header from the build, so each prints them alike.

#include <QByteArray>
#include <QString>
#include <gtest/gtest-printers.h>
#include <ostream>
#include <string>

inline void PrintTo(const QString& s, std::ostream* os) { *os << ::testing::PrintToString(s.toStdString()); }
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << ::testing::PrintToString(std::string(b.constData(), static_cast<std::size_t>(b.size())));
}
