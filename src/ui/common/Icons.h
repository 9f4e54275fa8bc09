#pragma once

#include <QIcon>

namespace qv::ui::icons {

// The small pictures of the editor, drawn in code.
QIcon capture();     // a crosshair: take the player's position from the game
QIcon startFlag();   // a chequered flag: the base parameters
QIcon car();         // a car seen from the side: the cars
QIcon checkpoint();  // a route marker: the checkpoints
QIcon settings();    // a set of sliders: the other parameters

}  // namespace qv::ui::icons
