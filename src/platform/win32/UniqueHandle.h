#pragma once

#include <windows.h>

namespace qv {

// Owns a kernel handle and closes it when it goes out of scope.
class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() {
        if (valid()) {
            CloseHandle(handle_);
        }
    }

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    // Closes now, reporting what CloseHandle reports.
    bool close() {
        const HANDLE handle = handle_;
        handle_ = nullptr;
        return CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

}  // namespace qv
