#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The arguments of a Windows command-line text, split as Windows programs split theirs: blanks
// and tabs separate arguments, double quotes group them, and backslashes are literal except
// before a double quote (2n of them and a quote give n backslashes and a group boundary, 2n+1
// give n backslashes and a literal quote).
std::vector<std::string> splitCommandLine(std::string_view text);

}  // namespace qv
