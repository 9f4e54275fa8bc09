#include "model/ParameterFields.h"

#include <tuple>

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
    Field{&P::AStartX, "координата X старта"}, Field{&P::AStartY, "координата Y старта"},
    Field{&P::AStartZ, "координата Z старта"}, Field{&P::AStartXvar, "переменная X старта"},
    Field{&P::AStartYvar, "переменная Y старта"}, Field{&P::AStartZvar, "переменная Z старта"},
    Field{&P::ARaceType, "тип гонки"}, Field{&P::ALapsCount, "число кругов"},
    Field{&P::AMissionName, "название миссии"}, Field{&P::AMissionNumber, "номер миссии"},
    Field{&P::AMissionPrefix, "префикс миссии"}, Field{&P::PassRepeat, "повторное прохождение"},
    Field{&P::PlayerCar, "своя машина"}, Field{&P::PlayerCarNumber, "номер машины игрока"},
    Field{&P::VH, "очень тяжёлые машины"}, Field{&P::BP, "пуленепробиваемые машины"},
    Field{&P::IHBar, "улучшенное управление"}, Field{&P::AWeather, "погода"},
    Field{&P::TrafficOn, "транспорт"}, Field{&P::TrafficOff, "транспорт"},
    Field{&P::AMoneyPrize, "денежный приз"}, Field{&P::ATime, "время проведения"},
    Field{&P::AHour, "час"}, Field{&P::AMinutes, "минуты"}, Field{&P::Flags, "флаги"});

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
    std::apply([&](const auto&... f) { ((number++ == field ? void(name = f.name) : void()), ...); },
               fields);
    return name;
}

}  // namespace qv
