// quorvane-cli on a Windows console left at its OEM code page, as a user's console is.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "NativePath.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WideText.h"

namespace qv {
namespace {

// Every character on the console's screen, row after row.
std::wstring screenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(screen, &info)) {
        return {};
    }
    std::wstring text(size_t(info.dwSize.X) * size_t(info.dwSize.Y), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, text.data(), DWORD(text.size()), {0, 0}, &read);
    text.resize(read);
    return text;
}

// Runs quorvane-cli with `arguments`, its output and errors on `screen`; its exit code.
DWORD runOnConsole(HANDLE screen, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + *toWide(test::native(QV_CLI)) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return DWORD(-1);
    }
    const UniqueHandle process(started.hProcess);
    CloseHandle(started.hThread);
    WaitForSingleObject(process.get(), 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process.get(), &code);
    return code;
}

TEST(ConsoleOutput, RussianErrorsReadRightOnAConsoleOfTheOemCodePage) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(866);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const UniqueHandle screen(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                          OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(screen.valid());

    const std::wstring project = L"Гонка по берегу.qvnx";
    EXPECT_EQ(runOnConsole(screen.get(), L"check \"" + project + L"\""), 1u);
    std::wstring shown = screenText(screen.get());
    shown.resize(shown.find_last_not_of(L' ') + 1);
    EXPECT_NE(shown.find(project), std::wstring::npos) << fromWide(shown);
    FreeConsole();
}

}  // namespace
}  // namespace qv
