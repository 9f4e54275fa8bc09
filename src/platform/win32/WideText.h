#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// UTF-8 to the UTF-16 of the Windows W functions; nothing when `text` is not valid UTF-8.
std::optional<std::wstring> toWide(std::string_view text);

// UTF-16 back to UTF-8; unpaired surrogates become U+FFFD.
std::string fromWide(std::wstring_view text);

// The system's own text for an error code, as GetLastError gives it.
std::string systemErrorText(unsigned long code);

}  // namespace qv
