#pragma once
// Hand-made file bytes for the file format tests: little-endian fields appended one by one.

#include <QByteArray>
#include <cstdint>
#include <initializer_list>

class FileBytes {
public:
    FileBytes& bytes(std::initializer_list<int> bs)
    {
        for (int b : bs)
            data.append(char(b));
        return *this;
    }
    FileBytes& i16(int v) { return bytes({v & 0xFF, (v >> 8) & 0xFF}); }
    FileBytes& i32(std::int32_t v)
    {
        const auto u = std::uint32_t(v);
        return bytes({int(u & 0xFF), int((u >> 8) & 0xFF), int((u >> 16) & 0xFF), int(u >> 24)});
    }
    // Tag 8 text; the test texts are ASCII or given as Windows-1252 bytes.
    FileBytes& text(const QByteArray& cp1252)
    {
        i16(8).i16(int(cp1252.size()));
        data.append(cp1252);
        return *this;
    }
    QByteArray data;
};
