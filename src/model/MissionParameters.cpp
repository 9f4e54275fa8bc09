#include "model/MissionParameters.h"

namespace qv {

const std::array<const char*, 21>& weatherEntries() {
    static const std::array<const char*, 21> entries = {
        "",
        "[Los Santos] Ясно",
        "[Los Santos] Солнечно",
        "[Los Santos] Ясно (смог)",
        "[Los Santos] Солнечно (смог) ",
        "[Los Santos] Облачно",
        "[San Fierro] Солнечно",
        "[San Fierro] Ясно",
        "[San Fierro] Облачно",
        "[San Fierro] Дождь",
        "[San Fierro] Туман",
        "[Las Venturas] Солнечно",
        "[Las Venturas] Ясно",
        "[Las Venturas] Облачно",
        "[Сельская местность] Ясно",
        "[Сельская местность] Солнечно",
        "[Сельская местность] Облачно",
        "[Сельская местность] Дождь",
        "[Пустыня] Ясно",
        "[Пустыня] Солнечно",
        "[Пустыня] Песчаная буря",
    };
    return entries;
}

const std::array<const char*, 4>& flagTexts() {
    static const std::array<const char*, 4> texts = {
        "Делать \"подлёт\" камерой во время обратного отсчёта на старте",
        "Восстанавливать машину игрока на трассу, если она перевернётся или попадёт в воду",
        "Восстанавливать машины противников на трассу, если они перевернутся или попадут в воду",
        "Противники перехватывают инициативу гонки на старте (стартуют быстрее игрока)",
    };
    return texts;
}

std::string raceTypeCaption(int raceType) {
    switch (raceType) {
        case Sprint:
            return "Спринт";
        case Circuit:
            return "Кольцо";
        default:
            return "";
    }
}

}  // namespace qv
