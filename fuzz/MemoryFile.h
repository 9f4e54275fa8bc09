#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

// One read-only file over bytes held by the caller, read part by part as the system's file
// systems read: a part costs its own size, never the file's, and nothing is copied up front.
class MemoryFile final : public qv::FileSystem {
  public:
    MemoryFile(std::string path, std::string_view bytes) : path_(std::move(path)), bytes_(bytes) {}

    bool fileExists(const std::string& path) const override { return path == path_; }
    bool isDirectory(const std::string&) const override { return false; }
    qv::IoStatus writeFile(const std::string&, std::string_view) override { return readOnly(); }
    qv::IoStatus replaceFile(const std::string&, const std::string&) override { return readOnly(); }
    qv::IoStatus moveFile(const std::string&, const std::string&) override { return readOnly(); }
    qv::IoStatus removeFile(const std::string&) override { return readOnly(); }
    qv::LockOutcome lockFile(const std::string&) override { return {nullptr, false, "read-only"}; }
    std::string currentFolder() const override { return "/"; }

  protected:
    qv::IoStatus readAdmitted(const std::string& path, std::uint64_t offset, std::size_t size,
                              std::uint64_t limit, std::string& bytes) const override {
        if (path != path_) {
            return qv::IoStatus::failure("No such file or directory");
        }
        if (qv::IoStatus admitted = qv::admitReading(qv::FileKind::Regular, bytes_.size(), limit);
            !admitted) {
            return admitted;
        }
        const std::size_t start =
            static_cast<std::size_t>(std::min<std::uint64_t>(offset, bytes_.size()));
        bytes.assign(bytes_.substr(start, size));
        return qv::IoStatus::success();
    }

  private:
    static qv::IoStatus readOnly() { return qv::IoStatus::failure("Read-only file system"); }

    std::string path_;
    std::string_view bytes_;
};
