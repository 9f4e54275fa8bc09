#include "LargestMission.h"

#include <string>

namespace qv::test {

namespace {
std::string coordinate(int i, int axis) {
    return std::to_string(1000 + i * 7 + axis) + "." + std::to_string(10 + (i * 13 + axis) % 90);
}
}  // namespace

void fillLargestMission(Mission& mission) {
    MissionParameters p = mission.parameters();
    p.ARaceType = Circuit;
    p.ALapsCount = 3;
    p.PassRepeat = p.PlayerCar = p.VH = p.BP = p.ATime = true;
    p.IHBar = 5;
    p.AWeather = 20;
    p.AHour = 21;
    p.AMinutes = 30;
    p.AMoneyPrize = 100000;
    p.PlayerCarNumber = 50;
    p.Flags = {true, true, true, true};
    mission.setParameters(p);
    for (int i = 1; i <= Mission::MaxRows; ++i) {
        CarEntry car{"INFERNUS", coordinate(i, 0), coordinate(i, 1), coordinate(i, 2), "90.00", {}};
        for (int k = 1; k <= Mission::MaxComponents; ++k) {
            car.Components.push_back("#NTO_B_" + std::to_string(k));
        }
        mission.appendCar(car);
        mission.appendCheckpoint({coordinate(i, 3), coordinate(i, 4), coordinate(i, 5), i, "3"},
                                 "Гоночный ");
        mission.appendObject(
            {"1238", coordinate(i, 6), coordinate(i, 7), coordinate(i, 8), "45.0"});
    }
    for (int e = 1; e <= 200; ++e) {
        EventEntry event{"and", {}, {}};
        for (int k = 1; k <= Mission::MaxConditions; ++k) {
            event.Conditions.push_back("$kar == " + std::to_string(k));
        }
        for (int k = 1; k <= 10; ++k) {
            event.Actions.push_back("0109: player $PLAYER_CHAR money += " + std::to_string(k));
        }
        mission.appendEvent(event);
    }
}

}  // namespace qv::test
