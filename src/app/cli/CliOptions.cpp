#include "app/cli/CliOptions.h"

#include "model/NumberText.h"

namespace qv::cli {

namespace {

constexpr int MaxLaps = 20;
// The largest tolerance and spacing of a recording, and its longest time (a day).
constexpr double MaxMetres = 10000;
constexpr double MaxSeconds = 86400;

Command commandNamed(const std::string& name) {
    if (name == "build") {
        return Command::Build;
    }
    if (name == "check") {
        return Command::Check;
    }
    if (name == "info") {
        return Command::Info;
    }
    if (name == "save-as") {
        return Command::SaveAs;
    }
    if (name == "record") {
        return Command::Record;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        return Command::Help;
    }
    throw UsageError("unknown command '" + name + "'");
}

int lapsFrom(const std::string& text) {
    if (!isWholeNumber(text) || text.size() > 3 || std::stoi(text) < 1 ||
        std::stoi(text) > MaxLaps) {
        throw UsageError("--laps takes a whole number from 1 to " + std::to_string(MaxLaps) +
                         ", not '" + text + "'");
    }
    return std::stoi(text);
}

// A positive number of metres or seconds, at most `largest`.
double amountFrom(const std::string& name, const std::string& text, double largest) {
    double value = 0;
    if (convertsToFloat(text)) {
        value = std::stod(text);
    }
    if (!(value > 0 && value <= largest)) {
        throw UsageError(name + " takes a number above 0 and up to " +
                         std::to_string(static_cast<int>(largest)) + ", not '" + text + "'");
    }
    return value;
}

// Splits "--name=value" into its parts; other arguments come back unchanged.
std::pair<std::string, std::optional<std::string>> splitOption(const std::string& argument) {
    const auto equals = argument.find('=');
    if (!argument.starts_with("--") || equals == std::string::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    if (arguments.empty()) {
        throw UsageError("no command given");
    }
    options.command = commandNamed(arguments.front());
    if (options.command == Command::Help) {
        return options;
    }
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const auto split = splitOption(arguments[i]);
        const std::string& name = split.first;
        const std::optional<std::string>& inlineValue = split.second;
        const auto value = [&]() -> std::string {
            if (inlineValue) {
                return *inlineValue;
            }
            if (i + 1 >= arguments.size()) {
                throw UsageError(name + " needs a value");
            }
            return arguments[++i];
        };
        const bool buildOption = options.command == Command::Build;
        const bool recordOption = options.command == Command::Record;
        if (name == "--help" || name == "-h") {
            options.command = Command::Help;
            return options;
        } else if (buildOption && name == "--laps") {
            options.laps = lapsFrom(value());
        } else if (buildOption && name == "--test-script" && !inlineValue) {
            options.testScript = true;
        } else if (buildOption && (name == "-o" || name == "--output")) {
            options.output = value();
        } else if (buildOption && name == "--timestamp") {
            options.timestamp = value();
        } else if (recordOption && name == "--tolerance") {
            options.tolerance = amountFrom(name, value(), MaxMetres);
        } else if (recordOption && name == "--spacing") {
            options.spacing = amountFrom(name, value(), MaxMetres);
        } else if (recordOption && name == "--horn-only" && !inlineValue) {
            options.hornOnly = true;
        } else if (recordOption && name == "--seconds") {
            options.seconds = amountFrom(name, value(), MaxSeconds);
        } else if (name.size() > 1 && name.front() == '-') {
            throw UsageError("unknown option '" + arguments[i] + "' for " + arguments.front());
        } else {
            positional.push_back(arguments[i]);
        }
    }
    const std::size_t wanted = options.command == Command::SaveAs ? 2 : 1;
    if (positional.size() != wanted) {
        throw UsageError(arguments.front() +
                         (wanted == 2 ? " takes PROJECT and NEWPATH" : " takes one PROJECT"));
    }
    options.project = positional[0];
    if (wanted == 2) {
        options.newPath = positional[1];
    }
    if (options.output && options.output->empty()) {
        throw UsageError("-o needs a file name");
    }
    return options;
}

const char* usageText() {
    return R"(Usage: quorvane-cli COMMAND PROJECT [OPTIONS]

Works on a Quorvane race project: PROJECT is its .qvnx file, with the .cars, .checkps and
(when the race has any) .objects and .events files beside it.

Commands:
  build PROJECT [--laps N] [--test-script] [-o FILE] [--timestamp TEXT]
        Run the input check, then print the race mission's Sanny Builder source as UTF-8.
        The identifier fields are tidied in the script only; the project is not changed.
        --laps N          laps of a circuit race, 1 to 20 (default: the laps saved in the
                          project, else 1)
        --test-script     the standalone test script that wraps the mission, instead of
                          the mission alone
        -o FILE           write FILE in Windows-1251 with CR LF line ends (as Sanny Builder
                          reads it) instead of printing
        --timestamp TEXT  the date and time line of the header (default: the local time
                          now); a fixed text makes outputs comparable byte for byte
  check PROJECT
        Run the input check alone; when it passes, print each warning about what
        Sanny Builder or the game would refuse or mishandle, one a line, as
        "warning: WHERE: TEXT" (nothing when there is none).
  info PROJECT
        Print the summary shown after loading: the mission's name, race type and counts.
  save-as PROJECT NEWPATH
        Load the project and save it as NEWPATH, with all of its companion files.
  record PROJECT [--tolerance M] [--spacing M] [--horn-only] [--seconds N]
        Record a route while you drive it in the running game, 20 samples a second,
        until the game closes, Ctrl+C (SIGINT or SIGTERM) or N seconds have passed;
        then append the checkpoints and cars to PROJECT and save it with all of its
        companion files. Checkpoints follow the driven path, and a tap of the horn
        (shorter than a second) lays one where the horn went down; holding the horn a
        second or more while the vehicle stands still adds that vehicle as a car.
        Prints a line for each row laid and a summary.
        --tolerance M     every driven point lies within M metres of the route through
                          the checkpoints (default 10)
        --spacing M       no two checkpoints more than M metres apart along the path
                          (default 200)
        --horn-only       lay checkpoints at horn taps only
        --seconds N       stop after N seconds
  --help
        Show this help.

Exit status: 0 on success; 1 when the project cannot be loaded or saved, the input check
fails or the game is not running for record (the message goes to standard error); 2 for
wrong usage.
)";
}

}  // namespace qv::cli
