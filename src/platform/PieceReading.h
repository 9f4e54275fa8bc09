#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// What a file holds from `offset`, `size` bytes at most, read in pieces into `bytes`, room for it
// taken once from `fileSize`, the size its handle reported. `readSome(buffer, wanted, position)`
// reads at most `wanted` bytes at `position` and gives how many it read (0 at the end of the
// file), or nullopt when reading failed, which ends it with false and leaves `bytes` as it was.
template <typename ReadSome>
bool readInPieces(std::uint64_t fileSize, std::uint64_t offset, std::size_t size,
                  std::string& bytes, ReadSome readSome) {
    std::string content;
    if (offset < fileSize) {
        content.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size, fileSize - offset)));
    }
    char buffer[65536];
    while (content.size() < size) {
        const std::size_t wanted = std::min(sizeof buffer, size - content.size());
        const std::optional<std::size_t> count = readSome(buffer, wanted, offset + content.size());
        if (!count) {
            return false;
        }
        if (*count == 0) {
            break;
        }
        content.append(buffer, *count);
    }
    bytes = std::move(content);
    return true;
}

}  // namespace qv
