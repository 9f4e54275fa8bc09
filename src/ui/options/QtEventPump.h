#pragma once

#include "platform/EventPump.h"

namespace qv::ui {

// Lets the editor's windows work while a command waits: runs Qt's event loop for the interval,
// asleep whenever nothing happens. Once the application has been told to exit, event loops no
// longer run; the pump then only sleeps and says that the program is closing.
class QtEventPump final : public EventPump {
  public:
    bool pumpFor(std::chrono::milliseconds interval) override;

  private:
    bool closing_ = false;
};

}  // namespace qv::ui
