#include "ui/recorder/RecorderTexts.h"

#include <QCoreApplication>
#include <cmath>

namespace qv::ui {

QString recorderNoteText(RecorderNote note) {
    switch (note) {
        case RecorderNote::None:
            return {};
        case RecorderNote::OnFoot:
            return QCoreApplication::translate(
                "RecorderTexts", "Игрок не в машине: запись продолжится, когда он сядет в машину.");
        case RecorderNote::ControlsOff:
            return QCoreApplication::translate("RecorderTexts",
                                               "Управление игрока отключено: сигнал не действует.");
        case RecorderNote::JumpSkipped:
            return QCoreApplication::translate(
                "RecorderTexts",
                "Скачок больше 100 м (телепорт или возрождение): между этими точками чекпоинтов "
                "нет.");
        case RecorderNote::CheckpointLimit:
            return QCoreApplication::translate(
                "RecorderTexts", "В миссии 100 чекпоинтов: больше чекпоинтов не добавить.");
        case RecorderNote::CarLimit:
            return QCoreApplication::translate("RecorderTexts",
                                               "В миссии 100 машин: больше машин не добавить.");
    }
    return {};
}

QString recordedTimeText(double seconds) {
    const long long whole = std::llround(std::floor(std::max(seconds, 0.0)));
    const long long hours = whole / 3600;
    const long long minutes = whole / 60 % 60;
    const QString secondsText = QStringLiteral("%1").arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (hours > 0) {
        return QCoreApplication::translate("RecorderTexts", "Время: %1:%2:%3")
            .arg(hours)
            .arg(minutes, 2, 10, QLatin1Char('0'))
            .arg(secondsText);
    }
    return QCoreApplication::translate("RecorderTexts", "Время: %1:%2")
        .arg(minutes)
        .arg(secondsText);
}

QString recordedDistanceText(double metres) {
    if (metres < 1000) {
        return QCoreApplication::translate("RecorderTexts", "Путь: %1 м")
            .arg(std::lround(std::max(metres, 0.0)));
    }
    return QCoreApplication::translate("RecorderTexts", "Путь: %1 км")
        .arg(metres / 1000, 0, 'f', 2);
}

QString recordedSpeedText(float scriptSpeed) {
    // The script's speed is in metres a second.
    return QCoreApplication::translate("RecorderTexts", "Скорость: %1 км/ч")
        .arg(std::lround(scriptSpeed * 3.6));
}

}  // namespace qv::ui
