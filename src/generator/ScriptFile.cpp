#include "generator/ScriptFile.h"

#include "generator/ScriptGenerator.h"
#include "model/Cp1251.h"
#include "model/Error.h"
#include "model/FileMessages.h"

namespace qv {

void saveScriptFile(FileSystem& files, const std::string& path,
                    const std::vector<std::string>& lines) {
    const std::string bytes = encodeCp1251File(joinLines(lines, "\r\n"), path);
    const IoStatus status = writeFileAtomically(files, path, bytes);
    if (!status) {
        throw Error(cannotCreateFileMessage(path, status.reason));
    }
}

}  // namespace qv
