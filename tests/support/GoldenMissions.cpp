#include "GoldenMissions.h"

namespace qv::test {

void fillGoldenSprint(Mission& mission) {
    MissionParameters p = mission.parameters();
    p.AStartX = "2495.33";
    p.AStartY = "-1682.71";
    p.AStartZ = "13";
    p.AStartXvar = "LSRaceStX";
    p.AStartYvar = "LSRaceStY";
    p.AStartZvar = "LSRaceStZ";
    p.ARaceType = Sprint;
    p.ALapsCount = 4;  // not used by a sprint
    p.AMissionName = "LSRACE";
    p.AMissionNumber = 7;
    p.AMissionPrefix = "LSRace";
    p.PlayerCar = true;
    p.PlayerCarNumber = 2;
    p.AWeather = 5;
    p.TrafficOn = false;
    p.TrafficOff = true;
    p.AMoneyPrize = 2500;
    p.ATime = true;
    p.AHour = 7;
    p.AMinutes = 5;
    mission.setParameters(p);

    mission.appendCar(
        {"ELEGY", "-1141", "-1682.50", "13.12", "270.00", {"#NTO_B_L", "#WHEEL_SR6"}});
    mission.appendCar({"SULTAN", "2488.56", "-1677.41", "13.15", "270.00", {}});
    mission.appendCar({"URANUS", "2488.61", "-1687.92", "13.14", "270", {}});
    mission.appendCheckpoint({"2231.45", "-1732.18", "13.38", 45, "3"}, "Гоночный ");
    mission.appendCheckpoint({"1964.07", "-1760.59", "13", 60, "1"},
                             "По обычным транспортным путям");
    mission.appendCheckpoint({"1826.33", "-1834.9", "13.41", 100, "-1"}, "");
    mission.appendObject({"1238", "2302.10", "-1718.40", "12.90", "0.00"});
    mission.appendObject({"3578", "2100,5", "-1745.00", "12.70", "90"});
    mission.appendEvent({"", {"$kar == 2"}, {"0109: player $PLAYER_CHAR money += 100"}});
    mission.appendEvent({"and",
                         {"$kar == 3", "$pos2 == 1"},
                         {"00BC: text_highpriority 'RACES44' 2000 ms 1", "$money += 500"}});
}

void fillGoldenCircuit(Mission& mission) {
    MissionParameters p = mission.parameters();
    p.AStartX = "-2265.71";
    p.AStartY = "2302.08";
    p.AStartZ = "4.82";
    p.ARaceType = Circuit;
    p.ALapsCount = 3;
    p.AMissionNumber = 0;
    p.PassRepeat = true;
    p.PlayerCar = true;
    p.PlayerCarNumber = 1;
    p.VH = true;
    p.BP = true;
    p.IHBar = 5;
    p.AMoneyPrize = 10000;
    p.Flags = {true, true, true, true};
    mission.setParameters(p);

    mission.appendCar({"BANSHEE", "-2270.12", "2295.40", "4.55", "0.00", {}});
    mission.appendCar({"INFERNUS", "-2265.08", "2295.42", "4.56", "0.00", {"#NTO_B_S"}});
    mission.appendCar({"TURISMO", "-2260.11", "2295.38", "4.55", "0.00", {}});
    mission.appendCar({"CHEETAH", "-2255.04", "2295.44", "4.56", "0.00", {"#NTO_B_L", "#EXH_C_S"}});
    mission.appendCheckpoint({"-2262.50", "2402.31", "4.90", 80, "3"}, "Гоночный ");
    mission.appendCheckpoint({"-2148.77", "2531.05", "6.12", 75, "2"}, "Напрямик");
    mission.appendCheckpoint({"-2031.60", "2441.27", "13.44", 90, "3"}, "Гоночный ");
    mission.appendCheckpoint({"-2154.83", "2290.66", "5.08", 85, "1"},
                             "По обычным транспортным путям");
}

}  // namespace qv::test
