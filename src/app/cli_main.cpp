// quorvane-cli: builds, checks, describes and copies race projects from the command line.
#include <exception>
#include <iostream>

#include "app/cli/CliCommands.h"
#include "app/cli/CliOptions.h"
#include "model/Error.h"
#include "platform/ProgramArguments.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> arguments = qv::programArguments(argc, argv);
        qv::cli::runCommand(qv::cli::parseOptions(arguments), qv::systemFileSystem(), std::cout);
        if (!std::cout.flush()) {
            std::cerr << "Cannot write to standard output\n";
            return 1;
        }
        return 0;
    } catch (const qv::cli::UsageError& error) {
        std::cerr << "quorvane-cli: " << error.what() << "\n"
                  << "Try 'quorvane-cli --help' for more information.\n";
        return 2;
    } catch (const qv::Error& error) {
        std::cerr << error.message() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quorvane-cli: " << error.what() << '\n';
        return 1;
    }
}
