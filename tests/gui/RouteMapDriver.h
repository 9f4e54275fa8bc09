#pragma once

#include <QApplication>
#include <QMouseEvent>
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

// A move of the mouse with the left button held, and `modifiers`.
inline void dragOver(ui::MapCanvas& canvas, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas.mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, modifiers);
    QApplication::sendEvent(&canvas, &move);
}

// Drags with the left button from `from` to `to` in a few steps.
inline void drag(ui::MapCanvas& canvas, QPoint from, QPoint to,
                 Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(&canvas, Qt::LeftButton, modifiers, from);
    for (int step = 1; step <= 4; ++step) {
        dragOver(canvas, from + (to - from) * step / 4, modifiers);
    }
    QTest::mouseRelease(&canvas, Qt::LeftButton, modifiers, to);
}

}  // namespace qv::test
