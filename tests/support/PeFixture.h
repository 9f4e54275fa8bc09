#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gamedata/PeVersion.h"

namespace qv::test {

// A small Windows program image as a linker and a resource compiler lay it out: the DOS header,
// the PE headers (32- or 64-bit), one section ".rsrc" holding the resource directory of one
// version resource (type, name, language, data entry) and its VS_VERSION_INFO with the fixed
// file information. No code: nothing but the version is read from it.
struct PeFixture {
    std::string bytes;
    std::size_t resources = 0;    // where the resource section starts in the file
    std::size_t versionInfo = 0;  // where VS_VERSION_INFO starts in the file

    // Writes a little-endian number at `offset`, to damage the image.
    void put16(std::size_t offset, std::uint16_t value);
    void put32(std::size_t offset, std::uint32_t value);
};

PeFixture peWithVersion(const ProgramVersion& version, bool pe32Plus = false);

}  // namespace qv::test
