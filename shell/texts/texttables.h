#pragma once
// Raw entries of the text tables, one array per table and language; texts.cpp indexes them.

#include <cstddef>
#include <span>

namespace texts::detail {

struct Entry {
    int key;
    const char16_t* text;
};

// Guide pages are written with "\n" between the lines of a list and "\n\n" between paragraphs;
// the look-up turns every "\n" into CR LF.
std::span<const Entry> uiTextSwedish();
std::span<const Entry> uiTextFinnish();
std::span<const Entry> messageTexts();
std::span<const Entry> guideTextSwedish();
std::span<const Entry> guideTextFinnish();

}  // namespace texts::detail
