#include "model/MissionParameters.h"

#include "platform/Translation.h"

namespace qv {

// The weather entries and the flag texts are in Russian; where they are shown, their English is
// translate("MissionParameters", entry) (in the editor, QCoreApplication::translate with the same
// context).
const std::array<const char*, 21>& weatherEntries() {
    static const std::array<const char*, 21> entries = {
        "",
        QT_TRANSLATE_NOOP("MissionParameters", "[Los Santos] Ясно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Los Santos] Солнечно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Los Santos] Ясно (смог)"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Los Santos] Солнечно (смог) "),
        QT_TRANSLATE_NOOP("MissionParameters", "[Los Santos] Облачно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[San Fierro] Солнечно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[San Fierro] Ясно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[San Fierro] Облачно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[San Fierro] Дождь"),
        QT_TRANSLATE_NOOP("MissionParameters", "[San Fierro] Туман"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Las Venturas] Солнечно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Las Venturas] Ясно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Las Venturas] Облачно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Сельская местность] Ясно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Сельская местность] Солнечно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Сельская местность] Облачно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Сельская местность] Дождь"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Пустыня] Ясно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Пустыня] Солнечно"),
        QT_TRANSLATE_NOOP("MissionParameters", "[Пустыня] Песчаная буря"),
    };
    return entries;
}

const std::array<const char*, 4>& flagTexts() {
    static const std::array<const char*, 4> texts = {
        QT_TRANSLATE_NOOP("MissionParameters",
                          "Делать \"подлёт\" камерой во время обратного отсчёта на старте"),
        QT_TRANSLATE_NOOP(
            "MissionParameters",
            "Восстанавливать машину игрока на трассу, если она перевернётся или попадёт в воду"),
        QT_TRANSLATE_NOOP("MissionParameters",
                          "Восстанавливать машины противников на трассу, если они перевернутся или "
                          "попадут в воду"),
        QT_TRANSLATE_NOOP(
            "MissionParameters",
            "Противники перехватывают инициативу гонки на старте (стартуют быстрее игрока)"),
    };
    return texts;
}

std::string raceTypeCaption(int raceType) {
    switch (raceType) {
        case Sprint:
            return translate("MissionParameters", "Спринт");
        case Circuit:
            return translate("MissionParameters", "Кольцо");
        default:
            return "";
    }
}

}  // namespace qv
