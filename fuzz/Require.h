#pragma once

#include <cstdlib>

// A broken property of the code under test: stop, so that the fuzzer keeps the input.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}
