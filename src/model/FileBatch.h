#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qv {

// Files that are saved together, each replacing any older file of its name by way of its
// temporary file (writeTemporaryFile); only when all of them are on the disk are they renamed
// into place, one after the other. A full disk or a
// read-only folder therefore changes none of the files, and a failed rename leaves each file
// old or new, never cut short. Temporary files are removed when anything fails.
class FileBatch {
  public:
    // Builds the message of a failed write from the file's path and the system's reason.
    using FailureMessage = std::string (*)(const std::string& path, const std::string& reason);

    void add(std::string path, std::string bytes, FailureMessage failure);
    // Writes every file; throws Error with the failing file's message.
    void write(FileSystem& files) const;

  private:
    struct File {
        std::string path;
        std::string bytes;
        FailureMessage failure;
    };
    std::vector<File> files_;
};

}  // namespace qv
