#pragma once

#include <vector>

#include "gamelink/GameSample.h"
#include "gamelink/RecordedRoute.h"

namespace qv::test {

// A drive made up sample by sample at 20 samples a second, as the recorder would read it.
class SyntheticDrive {
  public:
    // Begins with one sample standing at `start`.
    explicit SyntheticDrive(RoutePoint start, int model = 411);

    // Drives in a straight line to `target` at `speed` metres a second.
    SyntheticDrive& to(RoutePoint target, float speed = 30);
    // Stands where it is.
    SyntheticDrive& stand(double seconds);
    // From now on the horn is held down, the controls are off, the player is on foot.
    SyntheticDrive& horn(bool down);
    SyntheticDrive& controlsOff(bool off);
    SyntheticDrive& onFoot(bool onFoot);
    // One sample at `place`, without driving there.
    SyntheticDrive& jumpTo(RoutePoint place);

    const std::vector<GameSample>& samples() const { return samples_; }
    const RoutePoint& place() const { return place_; }

  private:
    void sample(float speed);

    std::vector<GameSample> samples_;
    RoutePoint place_;
    float heading_ = 0;
    int model_;
    bool horn_ = false;
    bool controlsOff_ = false;
    bool onFoot_ = false;
};

// The largest distance on the map from a sample taken in a vehicle to the line from the first
// sample through `checkpoints`.
double largestDeviation(const std::vector<GameSample>& samples,
                        const std::vector<RoutePoint>& checkpoints);

// The longest stretch of driven path between two consecutive checkpoints (the first counted
// from the first sample). Every checkpoint must be a place of a sample, in order.
double longestStretch(const std::vector<GameSample>& samples,
                      const std::vector<RoutePoint>& checkpoints);

}  // namespace qv::test
