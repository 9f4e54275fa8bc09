#include "FakeFileSystem.h"

namespace qv::test {
namespace {

class FakeLock final : public FileLock {
  public:
    FakeLock(std::set<std::string>& locks, std::string path)
        : locks_(locks), path_(std::move(path)) {
        locks_.insert(path_);
    }
    ~FakeLock() override { locks_.erase(path_); }

  private:
    std::set<std::string>& locks_;
    std::string path_;
};

}  // namespace

void FakeFileSystem::failWrite(int n, std::string reason) {
    failingWrite_ = writes_ + n;
    writeReason_ = std::move(reason);
}

void FakeFileSystem::failRename(int n, std::string reason) {
    failingRename_ = renames_ + n;
    renameReason_ = std::move(reason);
}

bool FakeFileSystem::fileExists(const std::string& path) const {
    return files.contains(path) || devices.contains(path);
}

bool FakeFileSystem::isDirectory(const std::string& path) const {
    return folders.contains(path);
}

IoStatus FakeFileSystem::readAdmitted(const std::string& path, std::uint64_t offset,
                                      std::size_t size, std::uint64_t limit,
                                      std::string& bytes) const {
    if (folders.contains(path)) {
        return admitReading(FileKind::Folder, 0, limit);
    }
    if (devices.contains(path)) {
        return admitReading(FileKind::Other, 0, limit);
    }
    if (unreadable.contains(path)) {
        return IoStatus::failure("Permission denied");
    }
    const auto found = files.find(path);
    if (found == files.end()) {
        return IoStatus::failure("No such file or directory");
    }
    const std::string& content = found->second;
    if (IoStatus admitted = admitReading(FileKind::Regular, content.size(), limit); !admitted) {
        return admitted;
    }
    bytes = offset < content.size() ? content.substr(static_cast<std::size_t>(offset), size)
                                    : std::string();
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
    if (movesHalfway && files.contains(from)) {
        files[to] = files[from];
        return IoStatus::failure("Operation not permitted");
    }
    return replaceFile(from, to);
}

LockOutcome FakeFileSystem::lockFile(const std::string& path) {
    if (locks.contains(path)) {
        return {nullptr, true, {}};
    }
    if (readOnly.contains(path)) {
        return {nullptr, false, "Permission denied"};
    }
    return {std::make_unique<FakeLock>(locks, path), false, {}};
}

IoStatus FakeFileSystem::removeFile(const std::string& path) {
    return files.erase(path) > 0 ? IoStatus::success()
                                 : IoStatus::failure("No such file or directory");
}

}  // namespace qv::test
