#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/Translation.h"

namespace qv {

// The language the user chose for the program, kept in settings.ini in its own section
// "Interface" as "Language" = "System", "ru" or "en".
enum class LanguageChoice { System, Russian, English };

// The choice kept in the settings at `path`; System when the file, the key or a known value is
// missing.
LanguageChoice readLanguageChoice(const FileSystem& files, const std::string& path);

// Keeps `choice`, leaving every other line of the file as it was. Throws Error "Unable to write
// to <path>" when the file cannot be written.
void writeLanguageChoice(FileSystem& files, const std::string& path, LanguageChoice choice);

// The language a choice gives where the user's interface speaks `userLanguage`.
Language chosenLanguage(LanguageChoice choice, Language userLanguage);

}  // namespace qv
