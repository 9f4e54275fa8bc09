#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::cli {

// Wrong usage of the command line: exit status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Command { Help, Build, Check, Info, SaveAs, Record };

struct Options {
    Command command = Command::Help;
    std::string project;
    std::string newPath;                   // save-as
    std::optional<int> laps;               // build --laps
    bool testScript = false;               // build --test-script
    std::optional<std::string> output;     // build -o
    std::optional<std::string> timestamp;  // build --timestamp
    double tolerance = 10;                 // record --tolerance, metres
    double spacing = 200;                  // record --spacing, metres
    bool hornOnly = false;                 // record --horn-only
    std::optional<double> seconds;         // record --seconds
};

// Reads the arguments after the program name; throws UsageError.
Options parseOptions(const std::vector<std::string>& arguments);

// The text of --help.
const char* usageText();

}  // namespace qv::cli
