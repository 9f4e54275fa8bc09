#pragma once

#include <string>
#include <string_view>

#include "FakeFileSystem.h"
#include "model/Cp1251.h"
#include "model/Mission.h"

namespace qv::test {

// The project path the tests save to and load from.
inline const std::string Project = "/races/race.qvnx";

// A file of the fake file system as UTF-8 text.
inline std::string textOf(const FakeFileSystem& files, const std::string& path) {
    return decodeCp1251(files.files.at(path));
}

// Stores UTF-8 text as a Windows-1251 file.
inline void putText(FakeFileSystem& files, const std::string& path, std::string_view text) {
    std::string bytes;
    encodeCp1251(text, bytes);
    files.files[path] = bytes;
}

// Every line of every tree, with its level: what the tree files hold.
std::string treesOf(const Mission& mission);

}  // namespace qv::test
