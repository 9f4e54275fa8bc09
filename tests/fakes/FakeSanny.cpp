// A stand-in for Sanny Builder: "sanny.exe \compile <source> <output>" compiles by copying the
// source behind a marker line. Built as version 4 (QV_FAKE_SANNY_MAJOR), it compiles only when
// told the script's mode, as "--no-splash --mode sa --compile <source> <output>"; otherwise it
// fails as Sanny Builder 4 does in another mode. What it does is set by the file fakesanny.mode in
// its working folder: "ok" (the default), "fail" (writes compile.log and no output), "tab" (ends at
// once without output, as a second copy of the compiler that hands the file to the open one does),
// "held" (a slow compiler: compiles as "ok" does, but only once the file fakesanny.go appears in
// that folder) or "hang" (never ends). It lists its
// arguments, one a line, in fakesanny.args.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifndef QV_FAKE_SANNY_MAJOR
#define QV_FAKE_SANNY_MAJOR 3
#endif

namespace {

std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

int main(int argc, char** argv) {
    std::ofstream arguments("fakesanny.args", std::ios::binary);
    for (int i = 1; i < argc; ++i) {
        arguments << argv[i] << '\n';
    }
    arguments.close();

    std::string mode;
    std::istringstream(readAll("fakesanny.mode")) >> mode;
    if (mode == "hang") {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
    }
    while (mode == "held" && !std::filesystem::exists("fakesanny.go")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (mode == "tab") {
        return 0;
    }
    // The switches this version compiles with, followed by the source and the output.
    const std::vector<std::string> switches =
        QV_FAKE_SANNY_MAJOR >= 4
            ? std::vector<std::string>{"--no-splash", "--mode", "sa", "--compile"}
            : std::vector<std::string>{"\\compile"};
    const bool understood = argc == static_cast<int>(switches.size()) + 3 &&
                            std::equal(switches.begin(), switches.end(), argv + 1);
    if (mode == "fail" || !understood) {
        // "Ошибка в строке 1" in Windows-1251, as the compiler writes its log.
        std::ofstream("compile.log", std::ios::binary)
            << "\xCE\xF8\xE8\xE1\xEA\xE0 \xE2 \xF1\xF2\xF0\xEE\xEA\xE5 1";
        return 1;
    }
    const char* sourcePath = argv[argc - 2];
    std::ifstream source(sourcePath, std::ios::binary);
    if (!source) {
        std::ofstream("compile.log", std::ios::binary) << "File not found: " << sourcePath;
        return 1;
    }
    std::ofstream(argv[argc - 1], std::ios::binary)
        << "COMPILED\n"
        << std::string(std::istreambuf_iterator<char>(source), {});
    return 0;
}
