// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ProcessLauncher.h"
#include "platform/win32/ProcessOpenError.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WideText.h"

namespace qv {
namespace {

// The moment the system created `process`, in 100 ns units since 1601; 0 when it cannot say.
std::uint64_t creationTime(HANDLE process) {
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return 0;
    }
    return (std::uint64_t(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

class Win32Process final : public StartedProcess {
  public:
    // A start that went through the shell without creating a process gives no handle; such a
    // program counts as ended at once.
    explicit Win32Process(HANDLE process) : process_(process) {
        if (process_.valid()) {
            identity_ = {GetProcessId(process_.get()), creationTime(process_.get())};
        }
    }

    bool hasExited() override {
        return !process_.valid() || WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
    }

    void terminate() override {
        if (!hasExited()) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), 5000);
        }
    }

    ProcessIdentity identity() const override { return identity_; }

  private:
    UniqueHandle process_;
    ProcessIdentity identity_;
};

// The shell starts the program as a double click would, with no owner window and the default
// verb; the process handle is kept so that the program's end can be observed.
class Win32ProcessLauncher final : public ProcessLauncher {
  public:
    StartOutcome start(const ProgramStart& program) override {
        const std::optional<std::wstring> file = toWide(program.program);
        const std::optional<std::wstring> parameters = toWide(program.parameters);
        const std::optional<std::wstring> folder = toWide(program.workingFolder);
        if (!file || !parameters || !folder) {
            return {nullptr, systemErrorText(ERROR_INVALID_NAME)};
        }
        // The shell does not always refuse a working folder that is not there; a program
        // started elsewhere would look for its files in the wrong place.
        if (!folder->empty()) {
            const DWORD attributes = GetFileAttributesW(folder->c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                return {nullptr, systemErrorText(ERROR_DIRECTORY)};
            }
        }
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.hwnd = nullptr;
        info.lpVerb = nullptr;
        info.lpFile = file->c_str();
        info.lpParameters = parameters->empty() ? nullptr : parameters->c_str();
        info.lpDirectory = folder->empty() ? nullptr : folder->c_str();
        info.nShow = program.show == WindowShow::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
        if (!ShellExecuteExW(&info)) {
            return {nullptr, systemErrorText(GetLastError())};
        }
        return {std::make_unique<Win32Process>(info.hProcess), {}};
    }

    bool isRunning(const ProcessIdentity& identity) const override {
        if (!identity || identity.id > MAXDWORD) {
            return false;
        }
        const UniqueHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION,
                                               FALSE, DWORD(identity.id)));
        if (!process.valid()) {
            return mayStillRunAfterOpenFailed(GetLastError());
        }
        return creationTime(process.get()) == identity.started &&
               WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
    }

    bool isProgramRunning(const std::string& program) const override {
        const std::optional<std::wstring> path = toWide(program);
        if (!path) {
            return false;
        }
        const std::size_t separator = path->find_last_of(L"\\/");
        const std::wstring name =
            separator == std::wstring::npos ? *path : path->substr(separator + 1);
        const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        if (!snapshot.valid()) {
            return false;
        }
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
             more = Process32NextW(snapshot.get(), &entry)) {
            if (CompareStringOrdinal(entry.szExeFile, -1, name.c_str(), int(name.size()), TRUE) ==
                CSTR_EQUAL) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace

ProcessLauncher& systemProcessLauncher() {
    static Win32ProcessLauncher launcher;
    return launcher;
}

}  // namespace qv
