#include "gamelink/CompilerCommand.h"

#include "gamelink/GameFolders.h"

namespace qv {
namespace {

constexpr ProgramVersion OldestCompiler{3, 0, 0, 0};
constexpr ProgramVersion FirstNamingTheMode{4, 0, 0, 0};

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

std::optional<ProgramVersion> compilerVersion(const FileSystem& files,
                                              const std::string& compilerFolder) {
    if (compilerFolder.empty()) {
        return std::nullopt;
    }
    return readProgramVersion(files, compilerPath(compilerFolder));
}

bool isTooOldCompiler(const std::optional<ProgramVersion>& version) {
    return version && *version < OldestCompiler;
}

std::string compileParameters(const std::optional<ProgramVersion>& version,
                              const std::string& source, const std::string& output) {
    const std::string files = quoted(source) + " " + quoted(output);
    if (version && *version >= FirstNamingTheMode) {
        return "--no-splash --mode " + std::string(CompilerModeId) + " --compile " + files;
    }
    return "\\compile " + files;
}

}  // namespace qv
