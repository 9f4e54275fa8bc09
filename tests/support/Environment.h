#pragma once

#include <optional>
#include <string>

namespace qv::test {

// The value of an environment variable, or nothing when it is not set. One call that both
// the POSIX compilers and MSVC (whose std::getenv draws warning C4996) accept without a warning.
std::optional<std::string> environmentVariable(const char* name);

}  // namespace qv::test
