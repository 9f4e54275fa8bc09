#pragma once

#include <span>
#include <string>
#include <string_view>

namespace qv {

enum class VehicleKind { Car, Bike, Boat, Aircraft, Train, Trailer };

// One of the game's vehicle models: its number, its name as the game's vehicles.ide spells it
// (upper case; a script writes it with "#" in front) and what kind of vehicle it is.
struct VehicleModel {
    int id;
    std::string_view name;
    VehicleKind kind;
};

inline constexpr int FirstVehicleId = 400;
inline constexpr int LastVehicleId = 611;

// The game's 212 vehicle models, by number from 400 to 611.
std::span<const VehicleModel> vehicleModels();

// The model called `name` (any letter case), or nullptr when no vehicle is called that.
const VehicleModel* findVehicleModel(std::string_view name);

// The kind in the current language, in the singular: "автомобиль", "мотоцикл", "лодка"...
std::string vehicleKindName(VehicleKind kind);

// Whether vehicles of this kind can race on roads (cars and bikes).
bool racesOnRoads(VehicleKind kind);

}  // namespace qv
