#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qv {

// The projects opened or saved last, newest first, as settings.ini keeps them in its section
// "RecentProjects" (keys File1 to File8).
inline constexpr int MaxRecentProjects = 8;

// The list in the file at `path`; a missing file, section or key gives none.
std::vector<std::string> readRecentProjects(const FileSystem& files, const std::string& path);
// Writes the list, leaving every other section of the file as it was. Throws Error "Unable to
// write to <path>" when the file cannot be written.
void writeRecentProjects(FileSystem& files, const std::string& path,
                         const std::vector<std::string>& projects);
// `projects` with `project` first and nowhere else, at most eight.
std::vector<std::string> withRecentProject(std::vector<std::string> projects,
                                           const std::string& project);

}  // namespace qv
