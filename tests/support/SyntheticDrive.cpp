#include "SyntheticDrive.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qv::test {
namespace {

constexpr double Interval = 0.05;

double planarDistance(const RoutePoint& p, const RoutePoint& a, const RoutePoint& b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? ((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(double(p.x) - (a.x + t * dx), double(p.y) - (a.y + t * dy));
}

RoutePoint placeOf(const GameSample& sample) {
    return {sample.x, sample.y, sample.z};
}

}  // namespace

SyntheticDrive::SyntheticDrive(RoutePoint start, int model) : place_(start), model_(model) {
    sample(0);
}

void SyntheticDrive::sample(float speed) {
    GameSample s;
    s.time = double(samples_.size()) * Interval;
    s.inVehicle = !onFoot_;
    s.x = place_.x;
    s.y = place_.y;
    s.z = place_.z;
    s.heading = heading_;
    s.model = onFoot_ ? 0 : model_;
    s.speed = onFoot_ ? 0 : speed;
    s.controlsOff = controlsOff_;
    s.horn = horn_ && !controlsOff_ && !onFoot_;
    samples_.push_back(s);
}

SyntheticDrive& SyntheticDrive::to(RoutePoint target, float speed) {
    const RoutePoint from = place_;
    const double dx = double(target.x) - from.x;
    const double dy = double(target.y) - from.y;
    const double dz = double(target.z) - from.z;
    const double length = std::hypot(dx, dy, dz);
    if (length > 0) {
        double degrees = std::atan2(-dx, dy) * 180 / std::numbers::pi;
        heading_ = static_cast<float>(degrees < 0 ? degrees + 360 : degrees);
    }
    const int steps = std::max(1, static_cast<int>(std::ceil(length / (speed * Interval))));
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        place_ = {static_cast<float>(from.x + t * dx), static_cast<float>(from.y + t * dy),
                  static_cast<float>(from.z + t * dz)};
        sample(speed);
    }
    return *this;
}

SyntheticDrive& SyntheticDrive::stand(double seconds) {
    for (int i = 0; i < static_cast<int>(std::lround(seconds / Interval)); ++i) {
        sample(0);
    }
    return *this;
}

SyntheticDrive& SyntheticDrive::horn(bool down) {
    horn_ = down;
    return *this;
}

SyntheticDrive& SyntheticDrive::controlsOff(bool off) {
    controlsOff_ = off;
    return *this;
}

SyntheticDrive& SyntheticDrive::onFoot(bool onFoot) {
    onFoot_ = onFoot;
    return *this;
}

SyntheticDrive& SyntheticDrive::jumpTo(RoutePoint place) {
    place_ = place;
    sample(0);
    return *this;
}

double largestDeviation(const std::vector<GameSample>& samples,
                        const std::vector<RoutePoint>& checkpoints) {
    std::vector<RoutePoint> line;
    for (const GameSample& s : samples) {
        if (s.inVehicle) {
            line.push_back(placeOf(s));
            break;
        }
    }
    line.insert(line.end(), checkpoints.begin(), checkpoints.end());
    double largest = 0;
    for (const GameSample& s : samples) {
        if (!s.inVehicle) {
            continue;
        }
        double nearest = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            nearest = std::min(nearest, planarDistance(placeOf(s), line[i], line[i + 1]));
        }
        if (line.size() == 1) {
            nearest = planarDistance(placeOf(s), line[0], line[0]);
        }
        largest = std::max(largest, nearest);
    }
    return largest;
}

double longestStretch(const std::vector<GameSample>& samples,
                      const std::vector<RoutePoint>& checkpoints) {
    double longest = 0;
    double stretch = 0;
    std::size_t next = 0;
    const GameSample* before = nullptr;
    for (const GameSample& s : samples) {
        if (!s.inVehicle) {
            continue;
        }
        if (before != nullptr) {
            stretch += std::hypot(double(s.x) - before->x, double(s.y) - before->y,
                                  double(s.z) - before->z);
        }
        before = &s;
        if (next < checkpoints.size() && placeOf(s) == checkpoints[next]) {
            longest = std::max(longest, stretch);
            stretch = 0;
            ++next;
        }
    }
    // A checkpoint that is no sample's place, or out of order, cannot be measured.
    return next == checkpoints.size() ? longest : std::numeric_limits<double>::infinity();
}

}  // namespace qv::test
