#include "FakeFileSystem.h"

namespace qv::test {

void FakeFileSystem::failWrite(int n, std::string reason) {
    failingWrite_ = writes_ + n;
    writeReason_ = std::move(reason);
}

void FakeFileSystem::failRename(int n, std::string reason) {
    failingRename_ = renames_ + n;
    renameReason_ = std::move(reason);
}

bool FakeFileSystem::fileExists(const std::string& path) const {
    return files.contains(path);
}

bool FakeFileSystem::isDirectory(const std::string& path) const {
    return folders.contains(path);
}

IoStatus FakeFileSystem::readFile(const std::string& path, std::string& bytes) const {
    if (folders.contains(path)) {
        return IoStatus::failure("Is a directory");
    }
    if (unreadable.contains(path)) {
        return IoStatus::failure("Permission denied");
    }
    const auto found = files.find(path);
    if (found == files.end()) {
        return IoStatus::failure("No such file or directory");
    }
    bytes = found->second;
    return IoStatus::success();
}

IoStatus FakeFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    if (++writes_ == failingWrite_) {
        files[path] = std::string(bytes.substr(0, bytes.size() / 2));
        return IoStatus::failure(writeReason_);
    }
    if (readOnly.contains(path) || folders.contains(path)) {
        return IoStatus::failure("Permission denied");
    }
    files[path] = std::string(bytes);
    return IoStatus::success();
}

IoStatus FakeFileSystem::replaceFile(const std::string& from, const std::string& to) {
    if (++renames_ == failingRename_) {
        return IoStatus::failure(renameReason_);
    }
    const auto found = files.find(from);
    if (found == files.end()) {
        return IoStatus::failure("No such file or directory");
    }
    if (readOnly.contains(to) || folders.contains(to)) {
        return IoStatus::failure("Permission denied");
    }
    files[to] = std::move(found->second);
    files.erase(from);
    return IoStatus::success();
}

IoStatus FakeFileSystem::moveFile(const std::string& from, const std::string& to) {
    if (files.contains(to)) {
        return IoStatus::failure("File exists");
    }
    return replaceFile(from, to);
}

IoStatus FakeFileSystem::removeFile(const std::string& path) {
    return files.erase(path) > 0 ? IoStatus::success()
                                 : IoStatus::failure("No such file or directory");
}

}  // namespace qv::test
