#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace qv {

// Where the game and the compiler keep the files the program uses, inside the folders the
// settings name.
std::string gameScriptPath(const std::string& gameFolder);    // data\script\main.scm
std::string gameProgramPath(const std::string& gameFolder);   // gta_sa.exe
std::string compilerPath(const std::string& compilerFolder);  // sanny.exe

// A folder holds the game when it holds both its program and its main script.
bool isGameFolder(const FileSystem& files, const std::string& folder);
// A folder holds the compiler when it holds sanny.exe.
bool isCompilerFolder(const FileSystem& files, const std::string& folder);

}  // namespace qv
