#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gamedata/VehicleModels.h"

namespace qv {
namespace {

TEST(VehicleModels, HoldEveryNumberFrom400To611OnceWithANameOfItsOwn) {
    const auto models = vehicleModels();
    ASSERT_EQ(models.size(), 212u);
    std::set<int> ids;
    std::set<std::string_view> names;
    for (const VehicleModel& model : models) {
        ids.insert(model.id);
        names.insert(model.name);
        EXPECT_GE(model.id, FirstVehicleId);
        EXPECT_LE(model.id, LastVehicleId);
        EXPECT_FALSE(model.name.empty());
        EXPECT_LE(model.name.size(), 8u) << model.name;  // vehicles.ide names are short
        for (const char c : model.name) {
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << model.name;
        }
    }
    EXPECT_EQ(ids.size(), 212u);
    EXPECT_EQ(names.size(), 212u);
}

TEST(VehicleModels, KnowWellKnownModelsByNameInAnyLetterCase) {
    const struct {
        const char* name;
        int id;
        VehicleKind kind;
    } known[] = {{"LANDSTAL", 400, VehicleKind::Car},      {"infernus", 411, VehicleKind::Car},
                 {"Predator", 430, VehicleKind::Boat},     {"TRAM", 449, VehicleKind::Train},
                 {"PCJ600", 461, VehicleKind::Bike},       {"HYDRA", 520, VehicleKind::Aircraft},
                 {"MAVERICK", 487, VehicleKind::Aircraft}, {"ARTICT1", 435, VehicleKind::Trailer},
                 {"FREIGHT", 537, VehicleKind::Train},     {"NRG500", 522, VehicleKind::Bike},
                 {"UTILTR1", 611, VehicleKind::Trailer}};
    for (const auto& expected : known) {
        const VehicleModel* model = findVehicleModel(expected.name);
        ASSERT_NE(model, nullptr) << expected.name;
        EXPECT_EQ(model->id, expected.id) << expected.name;
        EXPECT_EQ(model->kind, expected.kind) << expected.name;
    }
    EXPECT_EQ(findVehicleModel("INFERNOS"), nullptr);
    EXPECT_EQ(findVehicleModel("INFERNUS2"), nullptr);
    EXPECT_EQ(findVehicleModel(""), nullptr);
}

TEST(VehicleModels, EveryKindIsThereAndOnlyCarsAndBikesRaceOnRoads) {
    std::set<VehicleKind> kinds;
    for (const VehicleModel& model : vehicleModels()) {
        kinds.insert(model.kind);
    }
    EXPECT_EQ(kinds.size(), 6u);
    int roadRacers = 0;
    for (const VehicleModel& model : vehicleModels()) {
        roadRacers += racesOnRoads(model.kind) ? 1 : 0;
    }
    // Trains 6, trailers 9, boats 10 and aircraft 23 stay off the road.
    EXPECT_EQ(roadRacers, 212 - 6 - 9 - 10 - 23);
}

}  // namespace
}  // namespace qv
