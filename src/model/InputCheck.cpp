#include "model/InputCheck.h"

#include "model/IdentifierTidy.h"
#include "model/NumberText.h"
#include "platform/Translation.h"

namespace qv {

namespace {

void tidyIdentifiers(Mission& mission) {
    MissionParameters p = mission.parameters();
    for (std::string* field :
         {&p.AStartXvar, &p.AStartYvar, &p.AStartZvar, &p.AMissionName, &p.AMissionPrefix}) {
        *field = tidyIdentifier(*field);
    }
    mission.setParameters(p);
}

// `text` names the car by its number as %1.
std::string carMessage(int row, const std::string& text) {
    return formatText(text, {std::to_string(row)});
}

}  // namespace

void checkInput(Mission& mission) {
    const MissionParameters& p = mission.parameters();
    if (!convertsToFloat(p.AStartX) || !convertsToFloat(p.AStartY) || !convertsToFloat(p.AStartZ)) {
        throw InputCheckError(translate("InputCheck", "Неверно заполнены стартовые координаты"),
                              MissionTab::BaseParameters);
    }
    tidyIdentifiers(mission);

    if (mission.carCount() < 2) {
        throw InputCheckError(
            translate("InputCheck", "Для гонки необходима как минимум одна машина противника"),
            MissionTab::CarsParameters);
    }
    for (int row = 1; row <= mission.carCount(); ++row) {
        const std::string& model = mission.car(row).Model;
        if (model.empty()) {
            throw InputCheckError(
                carMessage(row,
                           translate("InputCheck", "Машина №%1: Не допускается пустое имя модели")),
                MissionTab::None);
        }
        if (hasRefusedCharacter(model)) {
            throw InputCheckError(
                carMessage(row,
                           translate("InputCheck",
                                     "Машина №%1: В имя модели был введён недопустимый символ")),
                MissionTab::CarsParameters, row);
        }
    }

    const int checkpoints = mission.checkpointCount();
    if (mission.parameters().ARaceType == Sprint && checkpoints < 1) {
        throw InputCheckError(
            translate("InputCheck", "Для гонки необходим как минимум один чекпоинт"),
            MissionTab::CheckpsParameters);
    }
    if (mission.parameters().ARaceType == Circuit && checkpoints < 2) {
        throw InputCheckError(
            translate("InputCheck", "Для кольцевой гонки необходимо как минимум два чекпоинта"),
            MissionTab::CheckpsParameters);
    }
}

}  // namespace qv
