#pragma once

#include "model/Error.h"
#include "model/Mission.h"

namespace qv {

// The main window's tabs, in their order.
enum class MissionTab {
    None = -1,
    BaseParameters = 0,
    CarsParameters = 1,
    CheckpsParameters = 2,
    OtherParameters = 3
};

// A failed input check: the message, the tab to bring to the front and the car row whose node
// is to be selected and expanded (0 for none).
class InputCheckError : public Error {
  public:
    InputCheckError(const std::string& message, MissionTab tab, int carRow = 0)
        : Error(message), tab_(tab), carRow_(carRow) {}
    MissionTab tab() const { return tab_; }
    int carRow() const { return carRow_; }

  private:
    MissionTab tab_;
    int carRow_;
};

// The check before every build: tidies the five identifier fields of the mission, then applies
// the rules in order and throws InputCheckError for the first that fails.
void checkInput(Mission& mission);

}  // namespace qv
