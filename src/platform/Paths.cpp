#include "platform/Paths.h"

namespace qv {
namespace {

bool isSeparator(char c) {
    return c == NativeSeparator || (NativeSeparator == '\\' && c == '/');
}

}  // namespace

bool endsWithSeparator(std::string_view path) {
    return !path.empty() && isSeparator(path.back());
}

std::string asFolder(std::string_view folder) {
    std::string result(folder);
    if (!result.empty() && !endsWithSeparator(result)) {
        result += NativeSeparator;
    }
    return result;
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string result = asFolder(folder);
    for (const char c : name) {
        result += c == '/' ? NativeSeparator : c;
    }
    return result;
}

bool isAbsolutePath(std::string_view path) {
    if (!path.empty() && isSeparator(path.front())) {
        return true;
    }
    return NativeSeparator == '\\' && path.size() >= 3 && path[1] == ':' && isSeparator(path[2]);
}

std::string replaceExtension(std::string_view path, std::string_view extension) {
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (isSeparator(path[i])) {
            nameStart = i + 1;
        }
    }
    const std::size_t dot = path.rfind('.');
    const std::size_t stem = dot != std::string_view::npos && dot > nameStart ? dot : path.size();
    return std::string(path.substr(0, stem)) + std::string(extension);
}

}  // namespace qv
