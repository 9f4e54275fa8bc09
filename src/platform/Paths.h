#pragma once

#include <string>
#include <string_view>

namespace qv {

// How the machine the program runs on writes paths.
#ifdef _WIN32
inline constexpr char NativeSeparator = '\\';
inline constexpr bool FileNamesIgnoreCase = true;
#else
inline constexpr char NativeSeparator = '/';
inline constexpr bool FileNamesIgnoreCase = false;
#endif

// Whether `path` ends with a folder separator of this machine ("\" or "/" on Windows).
bool endsWithSeparator(std::string_view path);

// `folder` as the settings keep folders: ending with the native separator. Empty stays empty.
std::string asFolder(std::string_view folder);

// `name` inside `folder`. The parts of `name` are separated by "/" and joined with the native
// separator; an empty `folder` leaves `name` relative.
std::string joinPath(std::string_view folder, std::string_view name);

// Whether `path` names its place without a folder to start from: "/..." on Linux; on Windows a
// drive ("C:\..."), a rooted path ("\...") or a share ("\\server\...").
bool isAbsolutePath(std::string_view path);

// `path` with the extension of its file name (from its last ".") replaced by `extension`, which
// starts with "."; a file name without an extension gets `extension` appended.
std::string replaceExtension(std::string_view path, std::string_view extension);

}  // namespace qv
