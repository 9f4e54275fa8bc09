#pragma once

#include "model/Mission.h"

namespace qv::ui {

class MainWindow;

// Shows row `row` (from 1, as the mission numbers rows) of a part of the mission where the user
// edits it: the cars and checkpoints on their tabs of the main window, the objects and events
// in their windows, the start point on the base tab. The row is selected in its tree, the tree
// takes the focus and its window comes to the front. A row that does not exist only brings the
// place forward.
void revealRow(MainWindow& window, qv::MissionPart part, int row);

}  // namespace qv::ui
