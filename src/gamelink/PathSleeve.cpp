#include "gamelink/PathSleeve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

// The slack's share of the tolerance: a line may end this much short of the farthest point.
constexpr double SlackShare = 0.1;

// An angle brought into -pi..pi.
double wrapped(double angle) {
    angle = std::remainder(angle, 2 * std::numbers::pi);
    return angle;
}

}  // namespace

PathSleeve::PathSleeve(double tolerance)
    : wedgeTolerance_(tolerance * std::sqrt(1 - SlackShare * SlackShare)),
      slack_(tolerance * SlackShare) {}

void PathSleeve::restart(const RoutePoint& anchor) {
    anchor_ = anchor;
    farthest_ = 0;
    narrowed_ = false;
}

// A point beyond the line's end by at most the slack, and within the wedge's tolerance of the
// line, is within sqrt(slack² + wedge tolerance²) = the tolerance of it.
bool PathSleeve::reaches(const RoutePoint& point) const {
    const double dx = double(point.x) - anchor_.x;
    const double dy = double(point.y) - anchor_.y;
    if (std::hypot(dx, dy) < farthest_ - slack_) {
        return false;
    }
    if (!narrowed_) {
        return true;
    }
    return std::abs(wrapped(std::atan2(dy, dx) - centre_)) <= halfWidth_ + 1e-9;
}

void PathSleeve::take(const RoutePoint& point) {
    const double dx = double(point.x) - anchor_.x;
    const double dy = double(point.y) - anchor_.y;
    const double distance = std::hypot(dx, dy);
    farthest_ = std::max(farthest_, distance);
    if (distance <= wedgeTolerance_) {
        return;
    }
    // The directions whose line passes within the tolerance of this point.
    const double direction = std::atan2(dy, dx);
    const double half = std::asin(wedgeTolerance_ / distance);
    if (!narrowed_) {
        narrowed_ = true;
        centre_ = direction;
        halfWidth_ = half;
        return;
    }
    // Both arcs are narrower than half a turn, so they meet in one arc or not at all.
    const double offset = wrapped(direction - centre_);
    const double low = std::max(-halfWidth_, offset - half);
    const double high = std::min(halfWidth_, offset + half);
    if (low > high) {
        halfWidth_ = -1;  // no line reaches every point
        return;
    }
    centre_ = wrapped(centre_ + (low + high) / 2);
    halfWidth_ = (high - low) / 2;
}

}  // namespace qv
