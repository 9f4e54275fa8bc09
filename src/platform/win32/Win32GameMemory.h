#pragma once

#include <memory>

#include "platform/GameMemory.h"

namespace qv {

// The process of the window titled "GTA: San Andreas", opened with read rights only; nullptr
// when there is no such window or its process cannot be opened.
std::unique_ptr<GameMemory> openWin32Game();

}  // namespace qv
