// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>

#include <memory>

#include "platform/ProgramArguments.h"
#include "platform/win32/WideText.h"

namespace qv {

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> wide(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!wide) {  // no memory for the split: the C runtime's own arguments
        return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(fromWide(wide.get()[i]));
    }
    return arguments;
}

}  // namespace qv
