#include "platform/FileSystem.h"

namespace qv {
namespace {

std::string temporaryPath(const std::string& path) {
    return path + ".tmp";
}

}  // namespace

IoStatus writeTemporaryFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    return files.writeFile(temporaryPath(path), bytes);
}

IoStatus renameTemporaryFile(FileSystem& files, const std::string& path) {
    return files.replaceFile(temporaryPath(path), path);
}

void removeTemporaryFile(FileSystem& files, const std::string& path) {
    files.removeFile(temporaryPath(path));
}

IoStatus writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    IoStatus status = writeTemporaryFile(files, path, bytes);
    if (status) {
        status = renameTemporaryFile(files, path);
    }
    if (!status) {
        removeTemporaryFile(files, path);
    }
    return status;
}

}  // namespace qv
