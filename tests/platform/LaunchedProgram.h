#pragma once

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "TempFolder.h"
#include "platform/ProcessLauncher.h"

namespace qv::test {

// What a started program wrote into a file (a UTF-8 path).
inline std::string readAll(const std::string& path) {
    std::ifstream file(TempFolder::native(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Waits for the end of a program that ends by itself; gives up after a minute.
inline bool ends(StartedProcess& process) {
    for (int i = 0; i < 3000 && !process.hasExited(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return process.hasExited();
}

}  // namespace qv::test
