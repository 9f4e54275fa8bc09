#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qv::test {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string quoted(const std::string& argument) {
    std::string result = "'";
    for (const char c : argument) {
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return result + "'";
}

inline std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Runs the built quorvane-cli as a user would, through a POSIX shell, in a fresh folder `dir`
// of each test, under the locale `environment` sets (Russian unless a test sets another before
// it runs the program), whatever the machine's own.
class CliRun : public testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quorvane-cli-test-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // `wrapper` is a command put in front of the program's ("timeout -s INT 2").
    Outcome cli(const std::vector<std::string>& arguments, const std::string& wrapper = "") {
        std::string command = environment + " " + wrapper + " " + quoted(QV_CLI);
        for (const auto& argument : arguments) {
            command += " " + quoted(argument);
        }
        const fs::path err = dir / "stderr.txt";
        command += " 2>" + quoted(err.string());
        Outcome result;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            result.out.append(buffer, n);
        }
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = fileText(err);
        return result;
    }

    fs::path dir;
    // The variables of the program's runs, put before its command ("LC_ALL=en_US.UTF-8").
    std::string environment = "LC_ALL=ru_RU.UTF-8";
};

}  // namespace qv::test
