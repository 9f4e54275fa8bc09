#include <cstdio>

#include "platform/StandardOutput.h"

namespace qv {

bool writeStandard(StandardStream stream, std::string_view text) {
    std::FILE* file = stream == StandardStream::Output ? stdout : stderr;
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace qv
