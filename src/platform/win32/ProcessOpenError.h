#pragma once

#include <windows.h>

namespace qv {

// Whether a process that OpenProcess refused with `error` may still run. Only an id that names
// no process (ERROR_INVALID_PARAMETER) says it has ended; a process this account may not look
// at, such as another account's compiler, runs as far as anyone here can tell.
inline bool mayStillRunAfterOpenFailed(DWORD error) {
    return error != ERROR_INVALID_PARAMETER;
}

}  // namespace qv
