#include "gamelink/RecentProjects.h"

#include <algorithm>

#include "gamelink/Settings.h"

namespace qv {
namespace {

constexpr std::string_view Section = "RecentProjects";

std::string key(int number) {
    return "File" + std::to_string(number);
}

}  // namespace

std::vector<std::string> readRecentProjects(const FileSystem& files, const std::string& path) {
    const IniDocument ini = readSettingsFile(files, path);
    std::vector<std::string> projects;
    for (int i = 1; i <= MaxRecentProjects; ++i) {
        std::string project = ini.readString(Section, key(i), "");
        if (!project.empty()) {
            projects.push_back(std::move(project));
        }
    }
    return projects;
}

void writeRecentProjects(FileSystem& files, const std::string& path,
                         const std::vector<std::string>& projects) {
    updateSettingsFile(files, path, [&](IniDocument& ini) {
        for (int i = 1; i <= MaxRecentProjects; ++i) {
            const auto index = static_cast<size_t>(i - 1);
            ini.write(Section, key(i), index < projects.size() ? projects[index] : std::string());
        }
    });
}

std::vector<std::string> withRecentProject(std::vector<std::string> projects,
                                           const std::string& project) {
    std::erase(projects, project);
    projects.insert(projects.begin(), project);
    if (projects.size() > size_t(MaxRecentProjects)) {
        projects.resize(size_t(MaxRecentProjects));
    }
    return projects;
}

}  // namespace qv
