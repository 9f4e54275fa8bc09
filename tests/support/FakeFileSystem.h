#pragma once

#include <map>
#include <set>
#include <string>

#include "NativePath.h"
#include "platform/FileSystem.h"

namespace qv::test {

// The files of a test, kept in memory, with failures on demand: the Nth write or rename from
// now on fails (a failed write leaves half of its bytes behind, as a full disk does), and
// listed paths refuse every write or read.
class FakeFileSystem final : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> readOnly;    // writes to these paths fail
    std::set<std::string> unreadable;  // reads of these paths fail
    std::set<std::string> devices;     // pipes or devices standing at these paths
    // moveFile() makes `to` and then fails without removing `from`, as a move through a hard
    // link whose source cannot be unlinked does.
    bool movesHalfway = false;
    std::set<std::string> locks;  // lock files held, here or by another process

    // The `n`-th writeFile call from now fails with `reason`; 1 is the next. replaceFile and
    // moveFile count as renames.
    void failWrite(int n, std::string reason = "No space left on device");
    void failRename(int n, std::string reason = "Permission denied");

    int writes() const { return writes_; }
    int renames() const { return renames_; }

    bool fileExists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    IoStatus writeFile(const std::string& path, std::string_view bytes) override;
    IoStatus replaceFile(const std::string& from, const std::string& to) override;
    IoStatus moveFile(const std::string& from, const std::string& to) override;
    IoStatus removeFile(const std::string& path) override;
    LockOutcome lockFile(const std::string& path) override;
    std::string currentFolder() const override { return native("/races"); }

  protected:
    IoStatus readAdmitted(const std::string& path, std::uint64_t offset, std::size_t size,
                          std::uint64_t limit, std::string& bytes) const override;

  private:
    int writes_ = 0;
    int renames_ = 0;
    int failingWrite_ = 0;
    int failingRename_ = 0;
    std::string writeReason_;
    std::string renameReason_;
};

}  // namespace qv::test
