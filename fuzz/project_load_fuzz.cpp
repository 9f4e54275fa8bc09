// Loads arbitrary bytes as a whole project (the INI file and the four tree files, separated by
// NUL bytes), then checks and builds what loaded, as a hand-edited project would be. Nothing
// may crash, and a failed load must leave the mission as it was.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "FakeFileSystem.h"
#include "Require.h"
#include "generator/ScriptGenerator.h"
#include "model/Error.h"
#include "model/InputCheck.h"
#include "model/ProjectFile.h"
#include "model/ProjectText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string project = "/fuzz/race.qvnx";
    qv::test::FakeFileSystem files;
    for (const char* suffix : {"", ".cars", ".checkps", ".objects", ".events"}) {
        const auto end = input.find('\0');
        files.files[project + suffix] = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    }

    qv::Mission mission;
    mission.appendCar({"ELEGY", "1", "2", "3", "4", {"#NTO_B_L"}});
    const qv::MissionData before = mission.data();
    try {
        qv::loadProject(mission, project, files);
    } catch (const qv::Error&) {
        require(mission.data() == before);
        return 0;
    }
    try {
        qv::checkInput(mission);
    } catch (const qv::Error&) {
    }
    const std::string script = qv::generateScript(mission, "01.01.2026 00:00:00");
    require(!script.empty());

    // Whatever loaded saves and loads back, the same unless a saved file's Windows-1251 bytes
    // look like UTF-8 (which a project's text of real words never does).
    qv::test::FakeFileSystem copy;
    qv::saveProject(mission, project, copy);
    qv::Mission again;
    qv::loadProject(again, project, copy);
    const bool ambiguous = std::ranges::any_of(
        copy.files, [](const auto& file) { return qv::readsAsUtf8(file.second); });
    require(ambiguous || again.data() == mission.data());
    return 0;
}
