#include "platform/FileSystem.h"

namespace qv {

IoStatus writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    // Beside the target, so that the final rename stays on one volume and is a single step.
    const std::string temporary = path + ".tmp";
    IoStatus status = files.writeFile(temporary, bytes);
    if (status) {
        status = files.replaceFile(temporary, path);
    }
    if (!status) {
        files.removeFile(temporary);
    }
    return status;
}

}  // namespace qv
