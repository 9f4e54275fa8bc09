#include "model/FileBatch.h"

#include "model/Error.h"

namespace qv {

namespace {

std::string temporaryPath(const std::string& path) {
    return path + ".tmp";
}

}  // namespace

void FileBatch::add(std::string path, std::string bytes, FailureMessage failure) {
    files_.push_back({std::move(path), std::move(bytes), failure});
}

void FileBatch::write(FileSystem& files) const {
    const auto removeTemporaries = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            files.removeFile(temporaryPath(files_[i].path));
        }
    };
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const File& file = files_[i];
        const IoStatus status = files.writeFile(temporaryPath(file.path), file.bytes);
        if (!status) {
            removeTemporaries(0, i + 1);
            throw Error(file.failure(file.path, status.reason));
        }
    }
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const File& file = files_[i];
        const IoStatus status = files.replaceFile(temporaryPath(file.path), file.path);
        if (!status) {
            removeTemporaries(i, files_.size());
            throw Error(file.failure(file.path, status.reason));
        }
    }
}

}  // namespace qv
