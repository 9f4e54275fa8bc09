#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace qv {

// One file inside an IMG archive, in bytes from the archive's start.
struct ImgEntry {
    std::string name;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// The directory of an IMG archive of version 2, the game's models\gta3.img: "VER2", the number
// of entries, then per entry its offset and size in 2048-byte sectors and a 24-byte name.
class ImgArchive {
  public:
    static constexpr std::uint64_t SectorSize = 2048;
    // More entries than any archive the game can hold; a larger count is damage.
    static constexpr std::uint32_t MaxEntries = 1'000'000;

    // Reads the archive's directory (only that). Throws Error with the reason when the file
    // cannot be read, is no version-2 archive, or its directory is cut off.
    ImgArchive(const FileSystem& files, std::string path);

    const std::vector<ImgEntry>& entries() const { return entries_; }
    // The entry named `name`, compared without case; nullptr when there is none.
    const ImgEntry* find(std::string_view name) const;
    // The bytes of `entry`. Throws Error when it is larger than `maxSize`, lies past the
    // archive's end or cannot be read.
    std::string read(const ImgEntry& entry, std::size_t maxSize) const;

  private:
    const FileSystem& files_;
    std::string path_;
    std::vector<ImgEntry> entries_;
};

}  // namespace qv
