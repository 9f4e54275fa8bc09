#pragma once

#include <algorithm>
#include <string>

#include "platform/Paths.h"

namespace qv::test {

// A path written with "/" as this machine writes it, so that the same test runs on Linux and
// on Windows.
inline std::string native(std::string path) {
    std::ranges::replace(path, '/', NativeSeparator);
    return path;
}

}  // namespace qv::test
