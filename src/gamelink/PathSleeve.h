#pragma once

#include "gamelink/RecordedRoute.h"

namespace qv {

// Whether a straight line from an anchor to a new point passes within a tolerance of every
// point driven since the anchor, answered in constant time and memory. Each point farther
// than the tolerance from the anchor narrows the directions such a line may take (a wedge);
// a line also may not end short of the farthest point by more than a small slack, whose share
// of the tolerance is taken off the wedge. Distances are on the map (x and y).
class PathSleeve {
  public:
    explicit PathSleeve(double tolerance = 10);

    // Starts again from `anchor`, with no point driven since.
    void restart(const RoutePoint& anchor);
    // Whether the line from the anchor to `point` passes within the tolerance of every point
    // taken since restart().
    bool reaches(const RoutePoint& point) const;
    // A point driven since the anchor.
    void take(const RoutePoint& point);

    const RoutePoint& anchor() const { return anchor_; }

  private:
    double wedgeTolerance_;  // the tolerance less the slack's share
    double slack_;
    RoutePoint anchor_;
    double farthest_ = 0;
    bool narrowed_ = false;
    double centre_ = 0;     // radians
    double halfWidth_ = 0;  // radians
};

}  // namespace qv
