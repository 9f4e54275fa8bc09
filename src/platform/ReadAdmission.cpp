#include <limits>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::uint64_t Kilobyte = 1024;
constexpr std::uint64_t Megabyte = 1024 * Kilobyte;

std::string sizeText(std::uint64_t bytes) {
    if (bytes >= Megabyte && bytes % Megabyte == 0) {
        return formatText(translate("ReadAdmission", "%1 МБ"), {std::to_string(bytes / Megabyte)});
    }
    if (bytes >= Kilobyte && bytes % Kilobyte == 0) {
        return formatText(translate("ReadAdmission", "%1 КБ"), {std::to_string(bytes / Kilobyte)});
    }
    return formatText(translate("ReadAdmission", "%1 байт"), {std::to_string(bytes)});
}

}  // namespace

IoStatus admitReading(FileKind kind, std::uint64_t size, std::uint64_t limit) {
    switch (kind) {
        case FileKind::Folder:
            return IoStatus::failure(translate("ReadAdmission", "Это папка, а не файл"));
        case FileKind::Other:
            return IoStatus::failure(
                translate("ReadAdmission", "Это не файл, а канал или устройство"));
        case FileKind::Regular:
            break;
    }
    if (size > limit) {
        return IoStatus::failure(formatText(
            translate("ReadAdmission",
                      "Файл слишком велик (%1 байт): файл такого рода не бывает больше %2"),
            {std::to_string(size), sizeText(limit)}));
    }
    return IoStatus::success();
}

IoStatus FileSystem::readFile(const std::string& path, std::string& bytes,
                              std::uint64_t limit) const {
    // One byte past the limit tells a file that grew while it was read.
    const std::size_t most = limit >= std::numeric_limits<std::size_t>::max()
                                 ? std::numeric_limits<std::size_t>::max()
                                 : static_cast<std::size_t>(limit) + 1;
    std::string content;
    if (IoStatus status = readAdmitted(path, 0, most, limit, content); !status) {
        return status;
    }
    if (IoStatus admitted = admitReading(FileKind::Regular, content.size(), limit); !admitted) {
        return admitted;
    }
    bytes = std::move(content);
    return IoStatus::success();
}

IoStatus FileSystem::readFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                                  std::string& bytes) const {
    return readAdmitted(path, offset, size, AnySize, bytes);
}

}  // namespace qv
