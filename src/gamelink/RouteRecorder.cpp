#include "gamelink/RouteRecorder.h"

#include <cmath>

namespace qv {
namespace {

// Two samples farther apart than this were not driven between (a teleport, a respawn; metres).
constexpr double JumpDistance = 100.0;
// The trail keeps a sample this far from the one it kept before (metres).
constexpr double TrailStep = 1.0;
// How long the status line tells of a jump (seconds).
constexpr double JumpNoteTime = 3.0;

double distanceBetween(const RoutePoint& a, const RoutePoint& b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z);
}

}  // namespace

RouteRecorder::RouteRecorder(RecorderSettings settings) : layer_(settings) {}

void RouteRecorder::add(const GameSample& sample) {
    if (firstTime_ < 0) {
        firstTime_ = sample.time;
    }
    lastTime_ = sample.time;
    if (!sample.inVehicle) {
        sampleNote_ = RecorderNote::OnFoot;
        speed_ = 0;
        return;
    }
    sampleNote_ = sample.controlsOff ? RecorderNote::ControlsOff : RecorderNote::None;
    speed_ = sample.speed;
    const RoutePoint place{sample.x, sample.y, sample.z};
    const double step = lastCounted_ ? distanceBetween(*lastCounted_, place) : 0;
    const bool jumped = step > JumpDistance;
    if (jumped) {
        jumpTime_ = sample.time;
        pieces_.push_back(trail_.size());
        trail_.push_back(place);
    } else {
        distance_ += step;
        if (trail_.empty() || distanceBetween(trail_.back(), place) >= TrailStep) {
            trail_.push_back(place);
        }
    }
    lastCounted_ = place;
    layer_.add(sample, jumped);
}

std::vector<RoutePoint> RouteRecorder::checkpoints() const {
    return layer_.checkpoints();
}

const std::vector<RecordedCar>& RouteRecorder::cars() const {
    return layer_.cars();
}

double RouteRecorder::duration() const {
    return firstTime_ < 0 ? 0 : lastTime_;
}

double RouteRecorder::distance() const {
    return distance_;
}

float RouteRecorder::speed() const {
    return speed_;
}

RecorderNote RouteRecorder::note() const {
    if (sampleNote_ != RecorderNote::None) {
        return sampleNote_;
    }
    if (jumpTime_ >= 0 && lastTime_ - jumpTime_ < JumpNoteTime) {
        return RecorderNote::JumpSkipped;
    }
    if (layer_.checkpointLimitReached()) {
        return RecorderNote::CheckpointLimit;
    }
    return layer_.carLimitReached() ? RecorderNote::CarLimit : RecorderNote::None;
}

RecordedRoute RouteRecorder::finish() const {
    CheckpointLayer ending = layer_;
    ending.finish();
    return {ending.checkpoints(), ending.cars(), ending.checkpointLimitReached(),
            ending.carLimitReached()};
}

std::size_t RouteRecorder::memoryUse() const {
    return sizeof *this + layer_.memoryUse() - sizeof layer_ +
           trail_.capacity() * sizeof(RoutePoint) + pieces_.capacity() * sizeof(std::size_t);
}

RecordedRoute recordRoute(std::span<const GameSample> samples, const RecorderSettings& settings) {
    RouteRecorder recorder(settings);
    for (const GameSample& sample : samples) {
        recorder.add(sample);
    }
    return recorder.finish();
}

}  // namespace qv
