#pragma once

#include <string_view>

namespace qv {

enum class StandardStream { Output, Error };

// Writes the UTF-8 `text` to the program's standard output or error. A Windows console gets it
// as UTF-16, so that it shows Russian and English alike whatever its code page; a file or a
// pipe gets the bytes unchanged. False when the write failed.
bool writeStandard(StandardStream stream, std::string_view text);

}  // namespace qv
