// Reads arbitrary bytes as sanny.exe, for the file version in its version resource. Nothing may
// crash or read past the bytes, and a version is found only in a program image (it starts with
// "MZ") that holds the signature of the fixed file information.
#include <cstdint>
#include <string_view>

#include "Require.h"
#include "gamedata/PeVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto version = qv::peFileVersion(bytes);
    if (version) {
        require(bytes.starts_with("MZ"));
        require(bytes.find("\xBD\x04\xEF\xFE") != std::string_view::npos);
        require(qv::peFileVersion(bytes) == version);
    }
    return 0;
}
