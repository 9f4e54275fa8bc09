#pragma once

#include <chrono>

namespace qv {

// Lets time pass while a command waits for an outside program, so that the user interface stays
// usable meanwhile. Implementations must sleep, never busy-wait.
class EventPump {
  public:
    virtual ~EventPump() = default;

    // Handles the pending user-interface events and waits for about `interval`, handling new
    // events as they come. False once the program is closing: its user interface handles
    // nothing more, and a wait should end as soon as it safely can.
    virtual bool pumpFor(std::chrono::milliseconds interval) = 0;
};

}  // namespace qv
