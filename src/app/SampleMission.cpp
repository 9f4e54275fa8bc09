#include "app/SampleMission.h"

namespace qv {

void fillSampleMission(Mission& mission) {
    MissionParameters p = mission.parameters();
    p.AStartX = "2491.27";
    p.AStartY = "-1668.43";
    p.AStartZ = "13.34";
    p.AMissionName = "GROVERC";
    p.AMissionNumber = 12;
    p.AMissionPrefix = "GroveRace";
    p.PlayerCarNumber = 2;
    p.AMoneyPrize = 5000;
    p.AWeather = 2;
    p.Flags[CameraFlyIn] = true;
    mission.setParameters(p);

    mission.appendCar({"ELEGY", "2478.52", "-1660.06", "13.12", "90.00", {}});
    mission.appendCar({"SULTAN", "2478.55", "-1665.49", "13.12", "90.00", {"#NTO_B_L"}});
    mission.appendCar({"BANSHEE", "2478.61", "-1670.87", "13.12", "90.00", {}});
    mission.appendCheckpoint({"2351.77", "-1658.21", "13.05", 60, "3"}, "Гоночный ");
    mission.appendCheckpoint({"2216.16", "-1651.93", "15.04", 70, "3"}, "Гоночный ");
    mission.appendCheckpoint({"2087.32", "-1610.49", "13.08", 65, "1"},
                             "По обычным транспортным путям");
    mission.appendCheckpoint({"1965.81", "-1602.72", "13.10", 80, "3"}, "Гоночный ");
    mission.appendObject({"1238", "2300.10", "-1658.00", "12.90", "0.00"});
    mission.appendEvent({"", {"$kar == 3"}, {"0109: player $PLAYER_CHAR money += 100"}});
}

}  // namespace qv
