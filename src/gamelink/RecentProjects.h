#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qv {

// The projects opened or saved last, newest first, as settings.ini keeps them in its section
// "RecentProjects" (keys File1 to File8). A path Windows-1251 cannot write (or holding a control
// character) leaves its FileN empty and goes, as UTF-8 with every other byte escaped as %XX,
// into FileNUtf8 beside it, so any path is kept exactly and the file stays readable as before.
inline constexpr int MaxRecentProjects = 8;

// The list in the file at `path`; a missing file, section or key gives none.
std::vector<std::string> readRecentProjects(const FileSystem& files, const std::string& path);
// Writes the list, leaving every other section of the file as it was. Throws Error "Unable to
// write to <path>" when the file cannot be written.
void writeRecentProjects(FileSystem& files, const std::string& path,
                         const std::vector<std::string>& projects);

// Whether two paths name the same project file.
using SameProject = std::function<bool(const std::string&, const std::string&)>;

// `projects` with `project` first and no other entry the same as it, at most eight.
std::vector<std::string> withRecentProject(std::vector<std::string> projects,
                                           const std::string& project, const SameProject& same);

}  // namespace qv
