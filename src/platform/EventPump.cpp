#include "platform/EventPump.h"

#include <thread>

namespace qv {

void SleepingPump::pumpFor(std::chrono::milliseconds interval) {
    std::this_thread::sleep_for(interval);
}

}  // namespace qv
