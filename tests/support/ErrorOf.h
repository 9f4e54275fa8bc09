#pragma once

#include <functional>
#include <string>

#include "model/Error.h"

namespace qv::test {

// The message of the Error that `action` throws, or "(no error)".
inline std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.message();
    }
    return "(no error)";
}

}  // namespace qv::test
