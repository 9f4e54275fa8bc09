#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace qv {

// The file version of a Windows program, as its version resource gives it (4.1.0.0).
struct ProgramVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t patch = 0;
    std::uint16_t build = 0;

    auto operator<=>(const ProgramVersion&) const = default;
};

// "4.1.0": the first three parts, and the fourth when it is not 0.
std::string versionText(const ProgramVersion& version);

// The file version in the version resource (VS_VERSION_INFO, its VS_FIXEDFILEINFO) of the
// Windows program whose bytes are `image` (a PE file, 32- or 64-bit). Nothing when the bytes are
// no such program, hold no version resource, or are damaged: every count, offset and size is
// checked against the bytes.
std::optional<ProgramVersion> peFileVersion(std::string_view image);

// The file version of the program at `path`, read within a size fit for a program; nothing when
// it cannot be read or holds none.
std::optional<ProgramVersion> readProgramVersion(const FileSystem& files, const std::string& path);

}  // namespace qv
