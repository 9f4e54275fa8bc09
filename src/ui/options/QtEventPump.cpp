#include "ui/options/QtEventPump.h"

#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace qv::ui {

namespace {
// What the loop returns when its own timer ends it; the application's exit ends it with its
// exit code, and a loop started after that returns -1 at once.
constexpr int IntervalOver = 0x51564C;
}  // namespace

bool QtEventPump::pumpFor(std::chrono::milliseconds interval) {
    if (!closing_) {
        QEventLoop loop;
        QTimer::singleShot(interval, &loop, [&loop] { loop.exit(IntervalOver); });
        closing_ = loop.exec() != IntervalOver;
        if (!closing_) {
            return true;
        }
    }
    std::this_thread::sleep_for(interval);
    return false;
}

}  // namespace qv::ui
