#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

// The outcome of a file operation; `reason` is the system's own text when it failed.
struct IoStatus {
    bool ok = true;
    std::string reason;

    static IoStatus success() { return {}; }
    static IoStatus failure(std::string reason) { return {false, std::move(reason)}; }
    explicit operator bool() const { return ok; }
};

// A hold on a lock file that no other holder can take while it lasts. The system lets go of it
// when the process ends, however it ends; the file goes with the last hold.
class FileLock {
  public:
    virtual ~FileLock() = default;
};

// The outcome of taking a lock: the lock, or nothing and why: `heldElsewhere` when another
// holder has it, otherwise the system's reason in `failure`.
struct LockOutcome {
    std::unique_ptr<FileLock> lock;
    bool heldElsewhere = false;
    std::string failure;
};

// What an opened file is, as the system describes its handle before a byte of it is read.
enum class FileKind { Regular, Folder, Other };  // Other: a pipe, a device, a socket

// No bound on the size: for a file that is only ever read a part at a time (the game's archive).
inline constexpr std::uint64_t AnySize = ~std::uint64_t{0};

// The one rule for every file the program reads, applied by every file system to what it has
// opened: only a regular file is read, and only when it holds at most `limit` bytes. The
// refusal says why in the user's words (a folder, a pipe or a device, or how large it is);
// the caller names the file.
IoStatus admitReading(FileKind kind, std::uint64_t size, std::uint64_t limit);

// The program's files as the operating system keeps them. Paths are UTF-8.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual bool fileExists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    // The whole of `path`, when admitReading lets it be read with `limit`: anything else (a
    // folder, a pipe, a device, a link to one, a file larger than `limit`) is refused before a
    // byte is read, and opening it never waits for a writer. A file that grows past `limit`
    // while it is read is refused too.
    IoStatus readFile(const std::string& path, std::string& bytes, std::uint64_t limit) const;
    // Up to `size` bytes of `path` from `offset`: fewer where the file ends first, none from
    // past its end. Only what is read is held, so a large file costs no more than the part;
    // anything but a regular file is refused as by readFile.
    IoStatus readFilePart(const std::string& path, std::uint64_t offset, std::size_t size,
                          std::string& bytes) const;
    // Creates or truncates `path` and writes `bytes`, flushed to the disk before it returns.
    virtual IoStatus writeFile(const std::string& path, std::string_view bytes) = 0;
    // Renames `from` to `to`, replacing `to` in one step when it exists.
    virtual IoStatus replaceFile(const std::string& from, const std::string& to) = 0;
    // Renames `from` to `to`; fails when `to` exists.
    virtual IoStatus moveFile(const std::string& from, const std::string& to) = 0;
    virtual IoStatus removeFile(const std::string& path) = 0;
    // Creates the lock file `path` and holds it, unless another process (or another hold in this
    // one) does.
    virtual LockOutcome lockFile(const std::string& path) = 0;
    virtual std::string currentFolder() const = 0;

  protected:
    // Opens `path` without waiting on it (a pipe with no writer), lets admitReading judge what
    // it opened with `limit`, and only then reads up to `size` bytes from `offset`.
    virtual IoStatus readAdmitted(const std::string& path, std::uint64_t offset, std::size_t size,
                                  std::uint64_t limit, std::string& bytes) const = 0;
};

// The file system of the machine the program runs on.
FileSystem& systemFileSystem();

// The one way files are replaced whole: `bytes` go in full to a temporary file beside `path` (its
// name + ".tmp", on the same volume), which is then renamed over `path` in one step; whatever
// fails, the temporary file is removed. Files saved together write all their temporary files
// before the first rename.
IoStatus writeTemporaryFile(FileSystem& files, const std::string& path, std::string_view bytes);
IoStatus renameTemporaryFile(FileSystem& files, const std::string& path);
void removeTemporaryFile(FileSystem& files, const std::string& path);

// Replaces `path` as above, so that it holds either its old or its new content, never a part.
IoStatus writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace qv
