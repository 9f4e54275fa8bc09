#pragma once

#include <optional>
#include <string>

#include "platform/ProcessLauncher.h"

namespace qv {

// Starts programs on Linux. A Windows program (a ".exe" file that begins with the "MZ" of the
// Windows executable format) is run through Wine, so that the game and the compiler can run as
// they do for a player who keeps them under Wine; any other program is run as it is. The
// parameters are split as a Windows program would split them, and a Windows program gets its
// absolute Linux paths on Wine's drive Z:. The window mode has no meaning here.
class PosixProcessLauncher final : public ProcessLauncher {
  public:
    // `wine` is the Wine program to use; nothing when Wine is not installed.
    explicit PosixProcessLauncher(std::optional<std::string> wine);

    StartOutcome start(const ProgramStart& program) override;
    bool isRunning(const ProcessIdentity& identity) const override;
    bool isProgramRunning(const std::string& program) const override;

    // The first of "wine" and "wine64" on the search path, or Debian's Wine, if any.
    static std::optional<std::string> findWine();

  private:
    std::optional<std::string> wine_;
};

}  // namespace qv
