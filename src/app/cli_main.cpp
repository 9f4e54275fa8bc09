// quorvane-cli: builds, checks, describes and copies race projects from the command line.
#include <exception>
#include <sstream>
#include <string>

#include "app/cli/CliCommands.h"
#include "app/cli/CliOptions.h"
#include "model/Error.h"
#include "platform/ProgramArguments.h"
#include "platform/StandardOutput.h"
#include "platform/UserLanguage.h"

namespace {

int fail(const std::string& message, int status) {
    qv::writeStandard(qv::StandardStream::Error, message);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    qv::setLanguage(qv::userLanguage());
    try {
        const std::vector<std::string> arguments = qv::programArguments(argc, argv);
        std::ostringstream out;
        qv::cli::runCommand(qv::cli::parseOptions(arguments), qv::systemFileSystem(), out);
        if (!qv::writeStandard(qv::StandardStream::Output, out.str())) {
            return fail("Cannot write to standard output\n", 1);
        }
        return 0;
    } catch (const qv::cli::UsageError& error) {
        return fail(std::string("quorvane-cli: ") + error.what() +
                        "\nTry 'quorvane-cli --help' for more information.\n",
                    2);
    } catch (const qv::Error& error) {
        return fail(error.message() + '\n', 1);
    } catch (const std::exception& error) {
        return fail(std::string("quorvane-cli: ") + error.what() + '\n', 1);
    }
}
