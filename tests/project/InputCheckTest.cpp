#include <gtest/gtest.h>

#include <functional>

#include "model/IdentifierTidy.h"
#include "model/InputCheck.h"

namespace qv {
namespace {

struct Failure {
    std::string message;
    MissionTab tab = MissionTab::None;
    int carRow = 0;
    bool operator==(const Failure&) const = default;
};

std::optional<Failure> check(Mission& mission) {
    try {
        checkInput(mission);
    } catch (const InputCheckError& error) {
        return Failure{error.message(), error.tab(), error.carRow()};
    }
    return std::nullopt;
}

// Two cars and a checkpoint: a sprint that passes.
void fillPassing(Mission& mission) {
    mission.appendCar({"ELEGY", "1", "2", "3", "4", {}});
    mission.appendCar({"SULTAN", "1", "2", "3", "4", {}});
    mission.appendCheckpoint({}, "Гоночный ");
}

void edit(Mission& mission, const std::function<void(MissionParameters&)>& change) {
    MissionParameters p = mission.parameters();
    change(p);
    mission.setParameters(p);
}

TEST(InputCheck, StartCoordinatesMustBeNumbersAndAreCheckedBeforeTheTidy) {
    for (const char* good : {"0.00", "-1682.71", "13", " 12.5 "}) {
        Mission mission;
        fillPassing(mission);
        edit(mission, [good](MissionParameters& p) { p.AStartZ = good; });
        EXPECT_EQ(check(mission), std::nullopt) << good;
    }
    for (const char* bad : {"1,5", "", "abc"}) {
        Mission mission;
        fillPassing(mission);
        edit(mission, [bad](MissionParameters& p) {
            p.AStartY = bad;
            p.AMissionName = "MY RACE";
        });
        EXPECT_EQ(check(mission),
                  (Failure{"Неверно заполнены стартовые координаты", MissionTab::BaseParameters}))
            << bad;
        EXPECT_EQ(mission.parameters().AMissionName, "MY RACE");
    }
}

TEST(InputCheck, TheTidyStaysEvenWhenALaterRuleFails) {
    Mission mission;
    edit(mission, [](MissionParameters& p) {
        p.AStartXvar = "start x";
        p.AStartYvar = "a-b.c(d)[e]";
        p.AStartZvar = "Старт №1 $z";
        p.AMissionName = "-.-";
        p.AMissionPrefix = "Race  Mission";
    });
    EXPECT_EQ(check(mission)->message, "Для гонки необходима как минимум одна машина противника");
    const MissionParameters& p = mission.parameters();
    EXPECT_EQ(p.AStartXvar, "start_x");
    EXPECT_EQ(p.AStartYvar, "abcde");
    EXPECT_EQ(p.AStartZvar, "Старт_1_z");
    EXPECT_EQ(p.AMissionName, "");
    EXPECT_EQ(p.AMissionPrefix, "Race__Mission");
    EXPECT_EQ(tidyIdentifier(" `\"'~!?@#№$%^&*()-=+/\\|;:{}[]<>,.x"), "_x");
    // Control characters read from a damaged project never reach the script.
    EXPECT_EQ(tidyIdentifier(std::string("Strip\0Lo\x1Bop\x7F\r", 13)), "StripLoop");
}

TEST(InputCheck, OneCarFailsEvenWhenItIsThePlayersOwn) {
    Mission mission;
    mission.appendCar({"ELEGY", "1", "2", "3", "4", {}});
    mission.appendCheckpoint({}, "Гоночный ");
    edit(mission, [](MissionParameters& p) { p.PlayerCar = true; });
    EXPECT_EQ(check(mission), (Failure{"Для гонки необходима как минимум одна машина противника",
                                       MissionTab::CarsParameters}));
}

TEST(InputCheck, CarModelsInRowOrderEmptinessBeforeCharacters) {
    Mission mission;
    fillPassing(mission);
    mission.appendCar({"BAD-NAME", "1", "2", "3", "4", {}});
    EXPECT_EQ(check(mission), (Failure{"Машина №3: В имя модели был введён недопустимый символ",
                                       MissionTab::CarsParameters, 3}));
    mission.changeCar(2, {"", "1", "2", "3", "4", {}});
    EXPECT_EQ(check(mission),
              (Failure{"Машина №2: Не допускается пустое имя модели", MissionTab::None, 0}));
    for (const std::string& bad : {std::string("A B"), std::string("#ELEGY"), std::string("№1"),
                                   std::string("X."), std::string("ELE\0GY", 6)}) {
        mission.changeCar(2, {bad, "1", "2", "3", "4", {}});
        EXPECT_EQ(check(mission)->carRow, 2) << bad;
    }
    mission.changeCar(2, {"Машина_2", "1", "2", "3", "4", {}});
    mission.changeCar(3, {"infernus_1", "1", "2", "3", "4", {}});
    EXPECT_EQ(check(mission), std::nullopt);
}

TEST(InputCheck, CheckpointsByRaceType) {
    Mission mission;
    mission.appendCar({"ELEGY", "1", "2", "3", "4", {}});
    mission.appendCar({"SULTAN", "1", "2", "3", "4", {}});
    EXPECT_EQ(check(mission), (Failure{"Для гонки необходим как минимум один чекпоинт",
                                       MissionTab::CheckpsParameters}));
    mission.appendCheckpoint({}, "Гоночный ");
    EXPECT_EQ(check(mission), std::nullopt);
    edit(mission, [](MissionParameters& p) { p.ARaceType = Circuit; });
    EXPECT_EQ(check(mission), (Failure{"Для кольцевой гонки необходимо как минимум два чекпоинта",
                                       MissionTab::CheckpsParameters}));
    mission.appendCheckpoint({}, "Гоночный ");
    EXPECT_EQ(check(mission), std::nullopt);
    mission.removeRow(MissionPart::Checkpoints, mission.checkpointCount());
    mission.removeRow(MissionPart::Checkpoints, mission.checkpointCount());
    edit(mission, [](MissionParameters& p) { p.ARaceType = 5; });
    EXPECT_EQ(check(mission), std::nullopt);
}

}  // namespace
}  // namespace qv
