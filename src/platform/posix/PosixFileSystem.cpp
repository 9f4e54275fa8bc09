#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/PieceReading.h"

namespace qv {
namespace {

IoStatus lastError() {
    return IoStatus::failure(std::generic_category().message(errno));
}

// Owns an open file descriptor.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }
    // Closes now, reporting what close() reports: a delayed write error shows up here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::string parentFolder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename in the folder of `path` durable. Failure only costs durability, not content.
void syncFolderOf(const std::string& path) {
    Descriptor folder(::open(parentFolder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) {
        ::fsync(folder.get());
    }
}

bool statPath(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0;
}

// Holds the lock of an open lock file, and removes the file before it lets go, so that the next
// holder makes a new one.
class PosixFileLock final : public FileLock {
  public:
    PosixFileLock(std::string path, int fd) : path_(std::move(path)), file_(fd) {}
    ~PosixFileLock() override { ::unlink(path_.c_str()); }

  private:
    std::string path_;
    Descriptor file_;  // closing it releases the lock
};

// Whether `file` is still the file named `path`: a holder may have removed it between our open
// and our lock, and a lock on a removed file keeps no one out.
bool stillNamed(const Descriptor& file, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(file.get(), &opened) == 0 && statPath(path, named) &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

class PosixFileSystem final : public FileSystem {
  public:
    bool fileExists(const std::string& path) const override {
        struct stat info {};
        return statPath(path, info) && !S_ISDIR(info.st_mode);
    }

    bool isDirectory(const std::string& path) const override {
        struct stat info {};
        return statPath(path, info) && S_ISDIR(info.st_mode);
    }

    IoStatus writeFile(const std::string& path, std::string_view bytes) override {
        Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        if (!file.valid()) {
            return lastError();
        }
        while (!bytes.empty()) {
            const ssize_t count = ::write(file.get(), bytes.data(), bytes.size());
            if (count < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return lastError();
            }
            bytes.remove_prefix(static_cast<std::size_t>(count));
        }
        if (::fsync(file.get()) != 0 || !file.close()) {
            return lastError();
        }
        return IoStatus::success();
    }

    IoStatus replaceFile(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) {
            return lastError();
        }
        syncFolderOf(to);
        return IoStatus::success();
    }

    IoStatus moveFile(const std::string& from, const std::string& to) override {
#ifdef RENAME_NOREPLACE
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
            syncFolderOf(to);
            return IoStatus::success();
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            return lastError();
        }
#endif
        // Without an exclusive rename: a hard link is refused when `to` exists.
        if (::link(from.c_str(), to.c_str()) != 0) {
            return lastError();
        }
        if (::unlink(from.c_str()) != 0) {
            const IoStatus failure = lastError();
            ::unlink(to.c_str());
            return failure;
        }
        syncFolderOf(to);
        return IoStatus::success();
    }

    IoStatus removeFile(const std::string& path) override {
        return ::unlink(path.c_str()) == 0 ? IoStatus::success() : lastError();
    }

    LockOutcome lockFile(const std::string& path) override {
        for (int attempt = 0; attempt < 100; ++attempt) {
            Descriptor file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
            if (!file.valid()) {
                return {nullptr, false, lastError().reason};
            }
            if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
                if (errno == EWOULDBLOCK) {
                    return {nullptr, true, {}};
                }
                return {nullptr, false, lastError().reason};
            }
            if (stillNamed(file, path)) {
                return {std::make_unique<PosixFileLock>(path, file.release()), false, {}};
            }
        }
        return {nullptr, true, {}};  // others keep taking and removing it
    }

    std::string currentFolder() const override {
        std::vector<char> buffer(256);
        while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
            if (errno != ERANGE) {
                return {};
            }
            buffer.resize(buffer.size() * 2);
        }
        return buffer.data();
    }

  protected:
    IoStatus readAdmitted(const std::string& path, std::uint64_t offset, std::size_t size,
                          std::uint64_t limit, std::string& bytes) const override {
        // Without O_NONBLOCK, opening a pipe would wait for a writer; it is refused below.
        Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (!file.valid()) {
            return lastError();
        }
        struct stat info {};
        if (::fstat(file.get(), &info) != 0) {
            return lastError();
        }
        const FileKind kind = S_ISREG(info.st_mode)   ? FileKind::Regular
                              : S_ISDIR(info.st_mode) ? FileKind::Folder
                                                      : FileKind::Other;
        const auto fileSize = static_cast<std::uint64_t>(info.st_size);
        if (IoStatus admitted = admitReading(kind, fileSize, limit); !admitted) {
            return admitted;
        }
        const auto readSome = [&](char* buffer, std::size_t wanted,
                                  std::uint64_t position) -> std::optional<std::size_t> {
            for (;;) {
                const ssize_t count =
                    ::pread(file.get(), buffer, wanted, static_cast<off_t>(position));
                if (count >= 0) {
                    return static_cast<std::size_t>(count);
                }
                if (errno != EINTR) {
                    return std::nullopt;
                }
            }
        };
        if (!readInPieces(fileSize, offset, size, bytes, readSome)) {
            return lastError();
        }
        return IoStatus::success();
    }
};

}  // namespace

FileSystem& systemFileSystem() {
    static PosixFileSystem files;
    return files;
}

}  // namespace qv
