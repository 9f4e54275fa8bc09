#pragma once

#include <QTest>

#include "EditorFixture.h"
#include "ui/map/MapCanvas.h"
#include "ui/map/MapWindow.h"
#include "ui/options/OptionsWindow.h"

namespace qv::test {

// A small race: three checkpoints from west to east, two cars, an object.
inline void addRace(Mission& mission) {
    for (const char* x : {"100", "400", "700"}) {
        mission.appendCheckpoint({x, "200", "10", 50, "3"}, "Гоночный");
    }
    mission.appendCar({"INFERNUS", "0", "0", "10", "90", {}});
    mission.appendCar({"BANSHEE", "50", "0", "10", "0", {}});
    mission.appendObject({"1238", "300", "300", "10", "0"});
}

// Opens the map through its menu item, the game folder being `gameFolder` (none: the map asks,
// and the test answers `answer`).
inline ui::MapWindow& openMap(EditorFixture& editor, const std::string& gameFolder = {},
                              const QString& answer = {}) {
    static_cast<ui::OptionsWindow&>(editor.window(ui::WindowId::Options)).setGameFolder(gameFolder);
    if (gameFolder.empty()) {
        editor.dialogs.answerFolder(answer);
    }
    editor.action("RouteMapAction").trigger();
    auto& map = editor.get<ui::MapWindow>("RouteMap");
    map.resize(800, 600);
    if (!QTest::qWaitForWindowExposed(&map)) {
        qFatal("the route map was not shown");
    }
    return map;
}

// Where mark (`part`, `row`) is drawn; the test program stops when it has none.
inline QPoint markPoint(const ui::MapCanvas& canvas, MissionPart part, int row) {
    const std::optional<QPointF> at = canvas.markPosition(part, row);
    if (!at) {
        qFatal("no mark for row %d", row);
    }
    return at->toPoint();
}

}  // namespace qv::test
