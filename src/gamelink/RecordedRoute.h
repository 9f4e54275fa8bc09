#pragma once

#include <vector>

namespace qv {

struct RecorderSettings {
    bool followShape = true;  // "Чекпоинты по форме пути и по сигналу"; false: "Только по сигналу"
    double tolerance = 10;    // "Точность, м"
    double spacing = 200;     // "Наибольший шаг, м"
    int checkpointRoom = 100;  // rows the mission can still take (100 - rows it has)
    int carRoom = 100;
};

struct RoutePoint {
    float x = 0, y = 0, z = 0;

    bool operator==(const RoutePoint&) const = default;
};

struct RecordedCar {
    RoutePoint position;
    float heading = 0;
    int model = 0;
};

struct RecordedRoute {
    std::vector<RoutePoint> checkpoints;
    std::vector<RecordedCar> cars;
    bool checkpointLimitReached = false;
    bool carLimitReached = false;
};

}  // namespace qv
