#pragma once

#include <string>

#include "NativePath.h"

namespace qv::test {

// The folders and files of the test run's tests, in memory.
inline const std::string Working = native("/races/");
inline const std::string GameFolder = native("/games/SA/");
inline const std::string CompilerFolder = native("/sb/");
inline const std::string GameScript = native("/games/SA/data/script/main.scm");
inline const std::string Backup = native("/games/SA/data/script/main.BAK");
inline const std::string GameProgram = native("/games/SA/gta_sa.exe");
inline const std::string Compiler = native("/sb/sanny.exe");
inline const std::string CompileLog = native("/sb/compile.log");
inline const std::string TestScript = native("/races/Tempscript");
inline const std::string Journal = native("/races/testrun.journal");
inline const std::string Lock = native("/races/testrun.lock");
inline const std::string UserScript = "the user's own main.scm";

}  // namespace qv::test
