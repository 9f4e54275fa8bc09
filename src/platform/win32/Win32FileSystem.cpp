#include <windows.h>

#include <algorithm>
#include <limits>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/PieceReading.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WideText.h"

namespace qv {
namespace {

IoStatus lastError() {
    return IoStatus::failure(systemErrorText(GetLastError()));
}

IoStatus invalidPath() {
    return IoStatus::failure(systemErrorText(ERROR_INVALID_NAME));
}

DWORD attributesOf(const std::string& path) {
    const std::optional<std::wstring> wide = toWide(path);
    return wide ? GetFileAttributesW(wide->c_str()) : INVALID_FILE_ATTRIBUTES;
}

// Holds a lock file open with no sharing at all, so that no other open of it succeeds; the
// system deletes the file when the handle closes, also when the process is killed.
class Win32FileLock final : public FileLock {
  public:
    explicit Win32FileLock(HANDLE file) : file_(file) {}

  private:
    UniqueHandle file_;
};

// Paths are UTF-8 inside the program; the W functions take them as UTF-16, so any name works,
// Cyrillic ones included, whatever the system's code page.
class Win32FileSystem final : public FileSystem {
  public:
    bool fileExists(const std::string& path) const override {
        const DWORD attributes = attributesOf(path);
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool isDirectory(const std::string& path) const override {
        const DWORD attributes = attributesOf(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    IoStatus writeFile(const std::string& path, std::string_view bytes) override {
        const std::optional<std::wstring> wide = toWide(path);
        if (!wide) {
            return invalidPath();
        }
        UniqueHandle file(CreateFileW(wide->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            return lastError();
        }
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
            DWORD written = 0;
            if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) {
                return lastError();
            }
            bytes.remove_prefix(written);
        }
        if (!FlushFileBuffers(file.get()) || !file.close()) {
            return lastError();
        }
        return IoStatus::success();
    }

    // A replace fails while another program holds either file open without letting it be
    // deleted: a virus scanner or an indexer reading a file just written, or another copy of
    // this program reading the test run's journal. Such holds are brief, so the replace is
    // tried again for up to two seconds.
    IoStatus replaceFile(const std::string& from, const std::string& to) override {
        constexpr DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
        DWORD error = moveError(from, to, flags);
        for (int retry = 0; error != 0 && retry < 40 && isBriefHold(error, to); ++retry) {
            Sleep(50);
            error = moveError(from, to, flags);
        }
        return statusOf(error);
    }

    IoStatus moveFile(const std::string& from, const std::string& to) override {
        return move(from, to, 0);
    }

    IoStatus removeFile(const std::string& path) override {
        const std::optional<std::wstring> wide = toWide(path);
        if (!wide) {
            return invalidPath();
        }
        return DeleteFileW(wide->c_str()) ? IoStatus::success() : lastError();
    }

    LockOutcome lockFile(const std::string& path) override {
        const std::optional<std::wstring> wide = toWide(path);
        if (!wide) {
            return {nullptr, false, invalidPath().reason};
        }
        const HANDLE file =
            CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_SHARING_VIOLATION) {
                return {nullptr, true, {}};
            }
            return {nullptr, false, systemErrorText(error)};
        }
        return {std::make_unique<Win32FileLock>(file), false, {}};
    }

    std::string currentFolder() const override {
        const DWORD size = GetCurrentDirectoryW(0, nullptr);
        std::wstring folder(size, L'\0');
        const DWORD length = GetCurrentDirectoryW(size, folder.data());
        folder.resize(length < size ? length : 0);
        return fromWide(folder);
    }

  protected:
    IoStatus readAdmitted(const std::string& path, std::uint64_t offset, std::size_t size,
                          std::uint64_t limit, std::string& bytes) const override {
        const std::optional<std::wstring> wide = toWide(path);
        if (!wide) {
            return invalidPath();
        }
        // Reading never stands in the way of another program's replace of the same file. Backup
        // semantics open a folder too, so that it is told apart by its handle like the rest.
        UniqueHandle file(CreateFileW(
            wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!file.valid()) {
            return lastError();
        }
        FileKind kind = FileKind::Other;  // a pipe, a console, NUL or another device
        std::uint64_t fileSize = 0;
        if (GetFileType(file.get()) == FILE_TYPE_DISK) {
            BY_HANDLE_FILE_INFORMATION info{};
            if (!GetFileInformationByHandle(file.get(), &info)) {
                return lastError();
            }
            kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder
                                                                      : FileKind::Regular;
            fileSize = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
        }
        if (IoStatus admitted = admitReading(kind, fileSize, limit); !admitted) {
            return admitted;
        }
        LARGE_INTEGER start;
        start.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN)) {
            return lastError();
        }
        // The handle reads on from where it stands, so the position is its own.
        const auto readSome = [&](char* buffer, std::size_t wanted,
                                  std::uint64_t) -> std::optional<std::size_t> {
            DWORD count = 0;
            if (!ReadFile(file.get(), buffer, static_cast<DWORD>(wanted), &count, nullptr)) {
                return std::nullopt;
            }
            return count;
        };
        if (!readInPieces(fileSize, offset, size, bytes, readSome)) {
            return lastError();
        }
        return IoStatus::success();
    }

  private:
    // Whether `error` of a replace can come from another program's open handle, and not from
    // something that stays (a folder standing where the file should go).
    bool isBriefHold(DWORD error, const std::string& target) const {
        return (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                error == ERROR_ACCESS_DENIED) &&
               !isDirectory(target);
    }

    // Without MOVEFILE_REPLACE_EXISTING the move fails when `to` exists, as MoveFile does.
    static IoStatus move(const std::string& from, const std::string& to, DWORD flags) {
        return statusOf(moveError(from, to, flags));
    }

    // The system's error code of one move; 0 when it succeeded.
    static DWORD moveError(const std::string& from, const std::string& to, DWORD flags) {
        const std::optional<std::wstring> wideFrom = toWide(from);
        const std::optional<std::wstring> wideTo = toWide(to);
        if (!wideFrom || !wideTo) {
            return ERROR_INVALID_NAME;
        }
        return MoveFileExW(wideFrom->c_str(), wideTo->c_str(), flags) ? 0 : GetLastError();
    }

    static IoStatus statusOf(DWORD error) {
        return error == 0 ? IoStatus::success() : IoStatus::failure(systemErrorText(error));
    }
};

}  // namespace

FileSystem& systemFileSystem() {
    static Win32FileSystem files;
    return files;
}

}  // namespace qv
