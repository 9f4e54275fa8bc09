#pragma once

#include <string>
#include <string_view>

namespace qv {

// No file of a project holds more lines: the largest real one holds a few thousand, and a line
// costs far more held than read.
inline constexpr std::size_t MostProjectFileLines = 100'000;

// The UTF-8 text of the bytes of a project's file at `path`. The program writes Windows-1251;
// a file saved again by a text editor as UTF-8 (with or without its byte order mark) is read as
// UTF-8 when it is valid UTF-8 holding more than ASCII, Windows-1251 holds all its characters
// and their Windows-1251 bytes do not read as UTF-8 again. Anything that cannot be a project's
// text (UTF-16, more lines than MostProjectFileLines) throws Error
// "Файл "PATH" не является проектом гонки (WHAT IT LOOKS LIKE)".
std::string projectFileText(std::string_view bytes, const std::string& path);

// Whether `bytes` hold more than ASCII and are valid UTF-8: the look of a file in UTF-8.
bool readsAsUtf8(std::string_view bytes);

// The message for a file at `path` that is no project's file, and what it looks like.
std::string notAProjectMessage(const std::string& path, const std::string& looks);

// What the bytes of a project's INI file holding none of its keys look like: empty, binary or
// some other text.
std::string keylessLooks(std::string_view bytes);

}  // namespace qv
