#include "model/FileBatch.h"

#include "model/Error.h"

namespace qv {

void FileBatch::add(std::string path, std::string bytes, FailureMessage failure) {
    files_.push_back({std::move(path), std::move(bytes), failure});
}

void FileBatch::write(FileSystem& files) const {
    const auto removeTemporaries = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            removeTemporaryFile(files, files_[i].path);
        }
    };
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const File& file = files_[i];
        const IoStatus status = writeTemporaryFile(files, file.path, file.bytes);
        if (!status) {
            removeTemporaries(0, i + 1);
            throw Error(file.failure(file.path, status.reason));
        }
    }
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const File& file = files_[i];
        const IoStatus status = renameTemporaryFile(files, file.path);
        if (!status) {
            removeTemporaries(i, files_.size());
            throw Error(file.failure(file.path, status.reason));
        }
    }
}

}  // namespace qv
