#pragma once

#include <algorithm>
#include <string_view>

namespace qv {

// Names that Windows and the game compare without case (file, section, archive entry and model
// names) differ in ASCII letters alone; other bytes, those of UTF-8 among them, stay as they
// are whatever the locale.
inline char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace qv
