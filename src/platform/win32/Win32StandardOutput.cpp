#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "platform/StandardOutput.h"
#include "platform/win32/WideText.h"

namespace qv {
namespace {

bool writeBytes(HANDLE handle, std::string_view text) {
    while (!text.empty()) {
        const DWORD size = DWORD(std::min<std::size_t>(text.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), size, &written, nullptr) || written == 0) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

bool writeConsole(HANDLE handle, std::wstring_view text) {
    while (!text.empty()) {
        // The console takes a bounded number of characters per call.
        const DWORD size = DWORD(std::min<std::size_t>(text.size(), 8192));
        DWORD written = 0;
        if (!WriteConsoleW(handle, text.data(), size, &written, nullptr) || written == 0) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}

}  // namespace

bool writeStandard(StandardStream stream, std::string_view text) {
    if (text.empty()) {
        return true;  // also where there is no stream at all
    }
    const HANDLE handle =
        GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        if (const std::optional<std::wstring> wide = toWide(text)) {
            return writeConsole(handle, *wide);
        }
    }
    return writeBytes(handle, text);
}

}  // namespace qv
