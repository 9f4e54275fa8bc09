#pragma once

#include <array>
#include <string>

namespace qv {

enum RaceType : int { Sprint = 0, Circuit = 1 };

// The laps a circuit race can have.
inline constexpr int MinLaps = 1;
inline constexpr int MaxLaps = 20;

// The scalar settings of a race, one per main-window control; each field bears that control's
// name. Texts are kept exactly as typed.
struct MissionParameters {
    std::string AStartX = "0.00";
    std::string AStartY = "0.00";
    std::string AStartZ = "0.00";
    std::string AStartXvar = "RaceMis1StartX";
    std::string AStartYvar = "RaceMis1StartY";
    std::string AStartZvar = "RaceMis1StartZ";
    int ARaceType = Sprint;
    int ALapsCount = 1;
    std::string AMissionName = "RACEMS1";
    int AMissionNumber = 0;
    std::string AMissionPrefix = "RaceMission1";
    bool PassRepeat = false;
    bool PlayerCar = false;
    int PlayerCarNumber = 1;
    bool VH = false;
    bool BP = false;
    int IHBar = 0;
    int AWeather = 0;  // index into weatherEntries(); -1 when nothing is chosen
    bool TrafficOn = true;
    bool TrafficOff = false;
    int AMoneyPrize = 0;
    bool ATime = false;
    int AHour = 0;
    int AMinutes = 0;
    std::array<bool, 4> Flags{};

    bool operator==(const MissionParameters&) const = default;
};

// The four behaviour flags, by index into MissionParameters::Flags.
enum FlagIndex : int {
    CameraFlyIn = 0,
    RecoverPlayerCar = 1,
    RecoverOpponentCars = 2,
    OpponentsStartFaster = 3,
};

// The 21 entries of the weather list; entry 0 is empty and leaves the weather unchanged.
const std::array<const char*, 21>& weatherEntries();
// The four texts of the flag list.
const std::array<const char*, 4>& flagTexts();
// "Спринт", "Кольцо"; empty for any other index.
std::string raceTypeCaption(int raceType);

}  // namespace qv
