#include "gamelink/RecentProjects.h"

#include <algorithm>

#include "gamelink/Settings.h"
#include "model/Cp1251.h"

namespace qv {
namespace {

constexpr std::string_view Section = "RecentProjects";
constexpr std::string_view Escaped = "Utf8";
constexpr char Hex[] = "0123456789ABCDEF";

std::string key(int number) {
    return "File" + std::to_string(number);
}

bool fitsCp1251Line(const std::string& path) {
    std::string bytes;
    return !encodeCp1251(path, bytes) &&
           std::ranges::none_of(path, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// Printable ASCII but "%" as it is, every other byte as %XX.
std::string escape(const std::string& path) {
    std::string text;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F && c != '%') {
            text += c;
        } else {
            text += '%';
            text += Hex[byte >> 4];
            text += Hex[byte & 0xF];
        }
    }
    return text;
}

int hexDigit(char c) {
    const char* found = std::find(std::begin(Hex), std::end(Hex) - 1, c);
    return found == std::end(Hex) - 1 ? -1 : static_cast<int>(found - Hex);
}

// The path `escape` wrote; empty when `text` is not such a value.
std::string unescape(const std::string& text) {
    std::string path;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low < 0) {
            return {};
        }
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
}

}  // namespace

std::vector<std::string> readRecentProjects(const FileSystem& files, const std::string& path) {
    const IniDocument ini = readSettingsFile(files, path);
    std::vector<std::string> projects;
    for (int i = 1; i <= MaxRecentProjects; ++i) {
        std::string project = unescape(ini.readString(Section, key(i) + std::string(Escaped), ""));
        if (project.empty()) {
            project = ini.readString(Section, key(i), "");
        }
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
            const std::string project = index < projects.size() ? projects[index] : std::string();
            const bool plain = fitsCp1251Line(project);
            ini.write(Section, key(i), plain ? project : std::string());
            const std::string escapedKey = key(i) + std::string(Escaped);
            if (!plain || ini.value(Section, escapedKey)) {
                ini.write(Section, escapedKey, plain ? std::string() : escape(project));
            }
        }
    });
}

std::vector<std::string> withRecentProject(std::vector<std::string> projects,
                                           const std::string& project, const SameProject& same) {
    std::erase_if(projects, [&](const std::string& entry) { return same(entry, project); });
    projects.insert(projects.begin(), project);
    if (projects.size() > size_t(MaxRecentProjects)) {
        projects.resize(size_t(MaxRecentProjects));
    }
    return projects;
}

}  // namespace qv
