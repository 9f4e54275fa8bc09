#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace qv::test {

// A fresh folder in the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("quorvane-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    // The UTF-8 path of `name` inside the folder.
    std::string file(const std::string& name) const {
        const std::u8string folder = path_.u8string();
        return std::string(folder.begin(), folder.end()) + "/" + name;
    }

    // The same, as the standard library wants it, to check our results independently.
    static std::filesystem::path native(const std::string& utf8) {
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }

  private:
    std::filesystem::path path_;
};

}  // namespace qv::test
