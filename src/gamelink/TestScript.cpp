#include "gamelink/TestScript.h"

#include <algorithm>

namespace qv {

std::vector<std::string> testScriptLines(const std::vector<std::string>& missionLines,
                                         const std::string& labelPrefix) {
    std::vector<std::string> lines = {
        "DEFINE OBJECTS 1",
        "DEFINE OBJECT QUORVANE",
        "DEFINE MISSIONS 1",
        "DEFINE MISSION 0 AT @" + labelPrefix + "_000",
        "DEFINE EXTERNAL_SCRIPTS -1",
        "DEFINE UNKNOWN_EMPTY_SEGMENT 0",
        "DEFINE UNKNOWN_THREADS_MEMORY 0",
        "thread 'MAIN'",
        "var",
        " $PLAYER_CHAR: Player",
        "end",
        "01F0: set_max_wanted_level_to 6",
        "set_wb_check_to 0",
        "00C0: set_current_time 8 0",
        "04E4: unknown_refresh_game_renderer_at 2488.5601 -1666.84",
        "Camera.SetAtPos(2488.5601, -1666.84, 13.38)",
        "$PLAYER_CHAR = Player.Create(#NULL, 2488.5601, -1666.84, 13.38)",
        "$PLAYER_ACTOR = Actor.EmulateFromPlayer($PLAYER_CHAR)",
        "Camera.SetBehindPlayer",
        "set_weather 0",
        "wait 0 ms",
        "$PLAYER_CHAR.SetClothes(\"GOATEE\", \"HEAD\", Head)",
        "$PLAYER_CHAR.SetClothes(\"JEANSDENIM\", \"JEANS\", Legs)",
        "$PLAYER_CHAR.SetClothes(\"SNEAKERBINCBLK\", \"SNEAKER\", Shoes)",
        "$PLAYER_CHAR.SetClothes(\"VEST\", \"VEST\", Torso)",
        "$PLAYER_CHAR.Build",
        "$PLAYER_CHAR.CanMove = True",
        "fade 1 (out) 0 ms",
        "select_interior 0",
        "0629: change_stat 181 (islands unlocked) to 4",
        "016C: restart_if_wasted at 2027.77 -1420.52 15.99 angle 137.0 unknown 0",
        "016D: restart_if_busted at 1550.68 -1675.49 14.51 angle 90.0 unknown 0",
        "0180: set_on_mission_flag_to $ONMISSION",
        "create_thread @" + labelPrefix,
        "end_thread",
    };
    const std::size_t frame = lines.size();
    lines.insert(lines.end(), missionLines.begin(), missionLines.end());
    const auto start =
        std::find_if(lines.begin() + static_cast<std::ptrdiff_t>(frame), lines.end(),
                     [](const std::string& line) { return line.starts_with("start_mission "); });
    if (start != lines.end()) {
        *start = "start_mission 0";
    }
    return lines;
}

}  // namespace qv
