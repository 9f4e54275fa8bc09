#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "gamelink/CheckpointLayer.h"
#include "gamelink/GameSample.h"
#include "gamelink/RecordedRoute.h"

namespace qv {

// What the status line says about the latest sample.
enum class RecorderNote { None, OnFoot, ControlsOff, JumpSkipped, CheckpointLimit, CarLimit };

// Lays checkpoints and cars from the samples of a drive, one sample at a time, so that what it
// shows while recording is what it gives at the end.
//
// Only samples taken in a vehicle count. Following the shape, every driven point lies within
// `tolerance` (on the map, x and y) of the line from the first sample through the
// checkpoints, no two consecutive checkpoints are more than `spacing` apart along the driven
// path, and otherwise as few checkpoints are laid as that allows. A horn tap (shorter than a
// second) lays a checkpoint where the vehicle was when the horn went down; a hold of a second
// or more while the vehicle stands still adds a car. A jump of more than 100 m between two
// samples lays nothing in between: the path goes on from the new place.
class RouteRecorder {
  public:
    explicit RouteRecorder(RecorderSettings settings);

    void add(const GameSample& sample);  // samples in time order

    // The driven path, for drawing: samples that barely moved from the one before are left
    // out. A new piece begins after each jump, at the indices trailPieces() gives.
    const std::vector<RoutePoint>& trail() const { return trail_; }
    const std::vector<std::size_t>& trailPieces() const { return pieces_; }
    // Laid so far. A horn press still held is decided when it ends, so what comes after it
    // shows up to a second later.
    std::vector<RoutePoint> checkpoints() const;
    const std::vector<RecordedCar>& cars() const;
    double duration() const;  // seconds
    double distance() const;  // metres driven (jumps not counted)
    float speed() const;      // of the latest sample, script units
    RecorderNote note() const;

    // The route by the rules, the finish included. Does not change the recorder.
    RecordedRoute finish() const;

    // Bytes the recorder holds, for the figures.
    std::size_t memoryUse() const;

  private:
    CheckpointLayer layer_;
    std::vector<RoutePoint> trail_;
    std::vector<std::size_t> pieces_;
    std::optional<RoutePoint> lastCounted_;
    double firstTime_ = -1;
    double lastTime_ = 0;
    double distance_ = 0;
    float speed_ = 0;
    double jumpTime_ = -1;
    RecorderNote sampleNote_ = RecorderNote::None;
};

// Feeding every sample to a recorder and finishing it.
RecordedRoute recordRoute(std::span<const GameSample> samples, const RecorderSettings& settings);

}  // namespace qv
