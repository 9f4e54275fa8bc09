#include "ExampleMissions.h"

namespace qv::test {

void fillLosSantosSprint(Mission& mission) {
    MissionParameters p = mission.parameters();
    p.AStartX = "2495.33";
    p.AStartY = "-1668.90";
    p.AStartZ = "13.34";
    p.AStartXvar = "GroveSprintX";
    p.AStartYvar = "GroveSprintY";
    p.AStartZvar = "GroveSprintZ";
    p.AMissionName = "GROVESP";
    p.AMissionNumber = 12;
    p.AMissionPrefix = "GroveSprint";
    p.PlayerCarNumber = 4;
    p.IHBar = 2;
    p.AWeather = 2;
    p.AMoneyPrize = 5000;
    p.ATime = true;
    p.AHour = 21;
    p.AMinutes = 30;
    p.Flags[CameraFlyIn] = true;
    p.Flags[RecoverOpponentCars] = true;
    mission.setParameters(p);

    mission.appendCar({"ELEGY", "2486.12", "-1660.24", "13.12", "90.00", {"#NTO_B_L"}});
    mission.appendCar({"SULTAN", "2486.09", "-1666.03", "13.16", "90.00", {}});
    mission.appendCar(
        {"URANUS", "2486.20", "-1671.85", "13.13", "90.00", {"#WHEEL_SR6", "#EXH_C_S"}});
    mission.appendCar({"JESTER", "2486.15", "-1677.60", "13.10", "90.00", {}});
    mission.appendCheckpoint({"2229.41", "-1721.84", "13.38", 60, "3"}, "Гоночный ");
    mission.appendCheckpoint({"2105.77", "-1806.12", "13.39", 65, "1"},
                             "По обычным транспортным путям");
    mission.appendCheckpoint({"1743.05", "-1862.44", "13.41", 70, "3"}, "Гоночный ");
    mission.appendCheckpoint({"1479.62", "-1676.30", "14.05", 55, "2"}, "Напрямик");
    mission.appendCheckpoint({"370.82", "-2030.51", "7.67", 80, "-1"}, "");
}

void fillVenturasCircuit(Mission& mission) {
    MissionParameters p = mission.parameters();
    p.AStartX = "2040.57";
    p.AStartY = "1160.22";
    p.AStartZ = "10.67";
    p.AStartXvar = "StripLoopX";
    p.AStartYvar = "StripLoopY";
    p.AStartZvar = "StripLoopZ";
    p.ARaceType = Circuit;
    p.ALapsCount = 3;
    p.AMissionName = "STRIPLP";
    p.AMissionNumber = 13;
    p.AMissionPrefix = "StripLoop";
    p.PassRepeat = true;
    p.PlayerCar = true;
    p.PlayerCarNumber = 1;
    p.VH = true;
    p.IHBar = 4;
    p.AWeather = 12;
    p.TrafficOn = false;
    p.TrafficOff = true;
    p.AMoneyPrize = 20000;
    p.Flags = {true, true, true, false};
    mission.setParameters(p);

    mission.appendCar({"INFERNUS", "2040.55", "1160.20", "10.45", "0.00", {}});
    mission.appendCar({"TURISMO", "2036.10", "1152.74", "10.45", "0.00", {"#NTO_B_S"}});
    mission.appendCar({"CHEETAH", "2044.96", "1152.70", "10.45", "0.00", {}});
    mission.appendCar({"BULLET", "2040.62", "1145.31", "10.45", "0.00", {}});
    mission.appendCheckpoint({"2044.83", "1545.19", "10.44", 85, "3"}, "Гоночный ");
    mission.appendCheckpoint({"2168.46", "1829.72", "10.44", 70, "3"}, "Гоночный ");
    mission.appendCheckpoint({"2341.50", "1430.08", "10.44", 80, "1"},
                             "По обычным транспортным путям");
    mission.appendCheckpoint({"2331.87", "1010.64", "10.44", 90, "3"}, "Гоночный ");
    mission.appendCheckpoint({"2160.25", "968.11", "10.44", 75, "2"}, "Напрямик");
    mission.appendObject({"TRAFFICCONE", "2160.90", "1834.07", "10.10", "0.00"});
    mission.appendObject({"TRAFFICCONE", "2164.12", "1836.40", "10.10", "0.00"});
    mission.appendObject({"DOCKBARR1_LA", "2345.70", "1425.33", "10.30", "90.00"});
    mission.appendObject({"DYN_ROADBARRIER_6", "2155.32", "962.48", "10.25", "45.00"});
    mission.appendEvent(
        {"", {"$CurrentLap == 2"}, {"00BC: text_highpriority 'RACES_0' 1500 ms 1"}});
    mission.appendEvent(
        {"and",
         {"$CurrentLap == 3", "$pos2 == 1"},
         {"0109: player $PLAYER_CHAR money += 1000", "00BA: text_styled 'RACES18' 2000 ms 1"}});
    mission.appendEvent({"or",
                         {"$pos2 == 4", "  $pos2 == 5"},
                         {"if", "  $traff == 0.0", "then",
                          "  01EB: set_traffic_density_multiplier_to 0.5", "end"}});
}

}  // namespace qv::test
