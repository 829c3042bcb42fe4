#pragma once
// The row files of the subcommands, read in one pass: each line handed over in place from a chunk
// of the file, so rows go straight into a row matrix sized from the file's length, and no line is
// kept as a string. Rows printed go out the same way, a block of many lines at a time.

#include "core/rowmatrix.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Calls onLine(text) for every line of the file, without its LF or CR LF, until it returns false.
// False when the file cannot be read.
template <typename OnLine>
bool forEachLine(const std::string& path, OnLine&& onLine)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return false;
    std::vector<char> buffer(std::size_t{1} << 20);
    std::size_t kept = 0;  // the start of a line whose end is not read yet, moved to the front
    for (;;) {
        if (kept == buffer.size())
            buffer.resize(buffer.size() * 2);
        const std::size_t got = std::fread(buffer.data() + kept, 1, buffer.size() - kept, file.get());
        const std::size_t end = kept + got;
        std::size_t start = 0;
        const auto hand = [&](std::size_t stop) {
            if (stop > start && buffer[stop - 1] == '\r')
                --stop;
            return onLine(std::string_view(buffer.data() + start, stop - start));
        };
        while (const void* lf = std::memchr(buffer.data() + start, '\n', end - start)) {
            const auto stop = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer.data());
            if (!hand(stop))
                return true;
            start = stop + 1;
        }
        if (got == 0) {
            if (std::ferror(file.get()))
                return false;
            if (start < end)
                hand(end);
            return true;
        }
        std::memmove(buffer.data(), buffer.data() + start, end - start);
        kept = end - start;
    }
}

// The most rows of `signs` signs a line the file can hold: every row line but the last ends in LF.
inline long long mostRowsIn(const std::string& path, int signs)
{
    std::error_code error;
    const auto size = static_cast<long long>(std::filesystem::file_size(path, error));
    return error ? 0 : (size + 1) / (signs + 1);
}

// SignCode of a row's sign: 1 for "1", 2 for "X", 3 for "2", 0 for "-"; -1 for anything else.
inline int signCodeOf(char sign)
{
    switch (sign) {
    case '-':
        return 0;
    case '1':
        return 1;
    case 'X':
        return 2;
    case '2':
        return 3;
    default:
        return -1;
    }
}

// The line's signs into the matrix's row r; false unless it is exactly `signs` of 1, X, 2 and -.
inline bool readRow(std::string_view line, int signs, RowMatrix& rows, long long r)
{
    if (line.size() != static_cast<std::size_t>(signs) || r > rows.upperRow())
        return false;
    std::uint8_t* row = rows.row(r);
    for (int m = 0; m < signs; ++m) {
        const int code = signCodeOf(line[static_cast<std::size_t>(m)]);
        if (code < 0)
            return false;
        row[m] = static_cast<std::uint8_t>(code);
    }
    return true;
}

// Writes `rows` lines of `signs` signs to standard output, signAt(row, position) giving each sign,
// in blocks of many lines. False when the output cannot take them.
template <typename SignAt>
bool writeRows(long long rows, int signs, SignAt&& signAt)
{
    constexpr std::size_t kBlock = std::size_t{1} << 20;
    std::string block;
    block.reserve(kBlock + static_cast<std::size_t>(signs) + 1);
    const auto flush = [&] {
        const bool written = std::fwrite(block.data(), 1, block.size(), stdout) == block.size();
        block.clear();
        return written;
    };
    for (long long r = 0; r < rows; ++r) {
        for (int k = 0; k < signs; ++k)
            block += signAt(r, k);
        block += '\n';
        if (block.size() >= kBlock && !flush())
            return false;
    }
    return flush() && std::fflush(stdout) == 0;
}

}  // namespace bench
