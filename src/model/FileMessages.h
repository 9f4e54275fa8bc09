#pragma once

#include <string>

namespace qv {

// The user's messages for files that cannot be written or read.
inline std::string unableToWriteMessage(const std::string& path) {
    return "Unable to write to " + path;
}

inline std::string cannotCreateFileMessage(const std::string& path, const std::string& reason) {
    return "Cannot create file \"" + path + "\". " + reason;
}

inline std::string cannotOpenFileMessage(const std::string& path, const std::string& reason) {
    return "Cannot open file \"" + path + "\". " + reason;
}

}  // namespace qv
