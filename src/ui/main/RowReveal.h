#pragma once

#include "model/Mission.h"

namespace qv::ui {

class MainWindow;

// Brings forward the tab or window that shows `part` of the mission and selects its row `row`
// (from 1; 0 selects nothing): cars and checkpoints on their tabs of the main window, objects
// and events in their windows, the parameters on the first tab.
void revealRow(MainWindow& window, qv::MissionPart part, int row);

}  // namespace qv::ui
