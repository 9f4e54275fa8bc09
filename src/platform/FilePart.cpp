#include <algorithm>

#include "platform/FileSystem.h"

namespace qv {

IoStatus FileSystem::readFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                                  std::string& bytes) const {
    std::string whole;
    IoStatus status = readFile(path, whole, AnySize);
    if (!status) {
        return status;
    }
    if (offset >= whole.size()) {
        bytes.clear();
    } else {
        const auto start = static_cast<std::size_t>(offset);
        bytes = whole.substr(start, std::min(size, whole.size() - start));
    }
    return status;
}

}  // namespace qv
