#pragma once

#include <string>
#include <vector>

#include "platform/GameProcess.h"

namespace qv::test {

// What one capture wrote into four text fields that held "-" before, and the warnings it gave.
struct CapturedPosition {
    std::string x = "-", y = "-", z = "-", angle = "-";
    std::vector<std::string> warnings;

    // The four fields in one line: "2488.56 -1666.84 13.38 270.00".
    std::string fields() const { return x + " " + y + " " + z + " " + angle; }
};

// Captures the position out of `game` into fresh fields; with `withAngle` false the window has
// no angle field.
CapturedPosition capturePosition(const GameProcess& game, bool withAngle = true);

}  // namespace qv::test
