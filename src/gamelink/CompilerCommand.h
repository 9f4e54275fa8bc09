#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gamedata/PeVersion.h"
#include "platform/FileSystem.h"

namespace qv {

// The edit mode of Sanny Builder the generated script is written for: its id on Sanny Builder's
// command line and its name in Sanny Builder's list of modes.
inline constexpr std::string_view CompilerModeId = "sa";
inline constexpr std::string_view CompilerModeName = "GTA SA (v1.0 - SA)";

// The version of sanny.exe in `compilerFolder`; nothing when there is none or its version cannot
// be read.
std::optional<ProgramVersion> compilerVersion(const FileSystem& files,
                                              const std::string& compilerFolder);

// Whether the version is known to be older than the oldest the test run works with (3.00).
bool isTooOldCompiler(const std::optional<ProgramVersion>& version);

// The parameters that have Sanny Builder of `version` compile the file `source` into `output`
// and end. Sanny Builder 4 compiles in the mode last chosen in it, and offers another SA mode
// the script does not compile in, so from 4 on the mode is named; an older or unknown version is
// given only its compile switch.
std::string compileParameters(const std::optional<ProgramVersion>& version,
                              const std::string& source, const std::string& output);

}  // namespace qv
