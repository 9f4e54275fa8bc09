#include "gamelink/GameFolders.h"

#include "platform/Paths.h"

namespace qv {

std::string gameScriptPath(const std::string& gameFolder) {
    return joinPath(gameFolder, "data/script/main.scm");
}

std::string gameProgramPath(const std::string& gameFolder) {
    return joinPath(gameFolder, "gta_sa.exe");
}

std::string compilerPath(const std::string& compilerFolder) {
    return joinPath(compilerFolder, "sanny.exe");
}

bool isGameFolder(const FileSystem& files, const std::string& folder) {
    return !folder.empty() && files.fileExists(gameScriptPath(folder)) &&
           files.fileExists(gameProgramPath(folder));
}

bool isCompilerFolder(const FileSystem& files, const std::string& folder) {
    return !folder.empty() && files.fileExists(compilerPath(folder));
}

}  // namespace qv
