#include "platform/EventPump.h"

#include <thread>

namespace qv {

bool SleepingPump::pumpFor(std::chrono::milliseconds interval) {
    std::this_thread::sleep_for(interval);
    return true;
}

}  // namespace qv
