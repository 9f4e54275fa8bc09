#include "model/ParameterFields.h"

#include <tuple>

#include "platform/Translation.h"

namespace qv {

namespace {

template <typename Value>
struct Field {
    Value MissionParameters::*member;
    const char* name;
};
template <typename Value>
Field(Value MissionParameters::*, const char*) -> Field<Value>;

using P = MissionParameters;
const auto fields = std::make_tuple(
    Field{&P::AStartX, QT_TRANSLATE_NOOP("ParameterFields", "координата X старта")},
    Field{&P::AStartY, QT_TRANSLATE_NOOP("ParameterFields", "координата Y старта")},
    Field{&P::AStartZ, QT_TRANSLATE_NOOP("ParameterFields", "координата Z старта")},
    Field{&P::AStartXvar, QT_TRANSLATE_NOOP("ParameterFields", "переменная X старта")},
    Field{&P::AStartYvar, QT_TRANSLATE_NOOP("ParameterFields", "переменная Y старта")},
    Field{&P::AStartZvar, QT_TRANSLATE_NOOP("ParameterFields", "переменная Z старта")},
    Field{&P::ARaceType, QT_TRANSLATE_NOOP("ParameterFields", "тип гонки")},
    Field{&P::ALapsCount, QT_TRANSLATE_NOOP("ParameterFields", "число кругов")},
    Field{&P::AMissionName, QT_TRANSLATE_NOOP("ParameterFields", "название миссии")},
    Field{&P::AMissionNumber, QT_TRANSLATE_NOOP("ParameterFields", "номер миссии")},
    Field{&P::AMissionPrefix, QT_TRANSLATE_NOOP("ParameterFields", "префикс миссии")},
    Field{&P::PassRepeat, QT_TRANSLATE_NOOP("ParameterFields", "повторное прохождение")},
    Field{&P::PlayerCar, QT_TRANSLATE_NOOP("ParameterFields", "своя машина")},
    Field{&P::PlayerCarNumber, QT_TRANSLATE_NOOP("ParameterFields", "номер машины игрока")},
    Field{&P::VH, QT_TRANSLATE_NOOP("ParameterFields", "очень тяжёлые машины")},
    Field{&P::BP, QT_TRANSLATE_NOOP("ParameterFields", "пуленепробиваемые машины")},
    Field{&P::IHBar, QT_TRANSLATE_NOOP("ParameterFields", "улучшенное управление")},
    Field{&P::AWeather, QT_TRANSLATE_NOOP("ParameterFields", "погода")},
    Field{&P::TrafficOn, QT_TRANSLATE_NOOP("ParameterFields", "транспорт")},
    Field{&P::TrafficOff, QT_TRANSLATE_NOOP("ParameterFields", "транспорт")},
    Field{&P::AMoneyPrize, QT_TRANSLATE_NOOP("ParameterFields", "денежный приз")},
    Field{&P::ATime, QT_TRANSLATE_NOOP("ParameterFields", "время проведения")},
    Field{&P::AHour, QT_TRANSLATE_NOOP("ParameterFields", "час")},
    Field{&P::AMinutes, QT_TRANSLATE_NOOP("ParameterFields", "минуты")},
    Field{&P::Flags, QT_TRANSLATE_NOOP("ParameterFields", "флаги")});

}  // namespace

std::vector<int> changedParameterFields(const MissionParameters& a, const MissionParameters& b) {
    std::vector<int> changed;
    int number = 0;
    std::apply(
        [&](const auto&... field) {
            ((a.*field.member != b.*field.member ? changed.push_back(number++) : void(++number)),
             ...);
        },
        fields);
    return changed;
}

std::string parameterFieldName(int field) {
    std::string name;
    int number = 0;
    std::apply(
        [&](const auto&... f) {
            ((number++ == field ? void(name = translate("ParameterFields", f.name)) : void()), ...);
        },
        fields);
    return name;
}

}  // namespace qv
