#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace qv {

// Writes a script as Sanny Builder reads it: Windows-1251, every line ended by CR LF. The file
// is replaced whole or not at all; a failure raises qv::Error naming the file.
void saveScriptFile(FileSystem& files, const std::string& path,
                    const std::vector<std::string>& lines);

}  // namespace qv
