#pragma once

#include <string>

#include "model/Mission.h"
#include "platform/FileSystem.h"

namespace qv {

// The message box that ends a successful load.
struct LoadSummary {
    std::string title;  // Миссия "NAME" успешно загружена!
    std::string text;   // six lines joined by CR LF
};

// Writes the project: the INI file at `path` and its companion tree files beside it
// (`path` + ".cars", ".checkps", and ".objects", ".events" when there are any). Throws Error
// with the user's message when a file cannot be written; every file is replaced in one step,
// so a failed save leaves each file old or new, never cut short.
void saveProject(const Mission& mission, const std::string& path, FileSystem& files);

// Reads the project at `path` into `mission`. Throws Error with the user's message when the
// project cannot be read; the mission is then unchanged.
LoadSummary loadProject(Mission& mission, const std::string& path, FileSystem& files);

}  // namespace qv
