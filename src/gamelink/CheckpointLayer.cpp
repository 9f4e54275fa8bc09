#include "gamelink/CheckpointLayer.h"

#include <cmath>

namespace qv {
namespace {

// A press of the horn shorter than this is a tap, longer a hold (seconds).
constexpr double TapLimit = 1.0;
// A vehicle slower than this (script units) stands still.
constexpr float StillSpeed = 1.0f;
// No finish is laid this close to the last checkpoint (metres).
constexpr double FinishReach = 10.0;
// A tap this close to the last checkpoint lays no second one on top of it (metres).
constexpr double SameSpot = 1.0;

RoutePoint placeOf(const GameSample& sample) {
    return {sample.x, sample.y, sample.z};
}

double distanceBetween(const RoutePoint& a, const RoutePoint& b) {
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z);
}

}  // namespace

CheckpointLayer::CheckpointLayer(const RecorderSettings& settings)
    : settings_(settings), sleeve_(settings.tolerance) {}

void CheckpointLayer::add(const GameSample& sample, bool jumped) {
    if (jumped && started_) {
        releaseHeld();
        holding_ = false;
        closePiece(true);
        startPiece(placeOf(sample));
    }
    if (!started_) {
        started_ = true;
        startPiece(placeOf(sample));
    }
    const bool horn = sample.horn && !sample.controlsOff;
    if (holding_) {
        holding_ = horn;
        follow(sample);
    } else if (!pressed_.empty()) {
        if (horn) {
            hornHeld(sample);
        } else {
            // Controls switched off in the middle of a press take the press away.
            if (!sample.controlsOff) {
                hornTapped();
            }
            releaseHeld();
            follow(sample);
        }
    } else if (horn) {
        pressed_.push_back(sample);
        stillSincePress_ = sample.speed < StillSpeed;
    } else {
        follow(sample);
    }
}

void CheckpointLayer::hornHeld(const GameSample& sample) {
    pressed_.push_back(sample);
    stillSincePress_ = stillSincePress_ && sample.speed < StillSpeed;
    if (sample.time - pressed_.front().time < TapLimit) {
        return;
    }
    if (stillSincePress_) {
        layCar(sample);
    }
    holding_ = true;
    releaseHeld();
}

void CheckpointLayer::hornTapped() {
    const GameSample down = pressed_.front();
    pressed_.erase(pressed_.begin());
    follow(down);
    const RoutePoint place = placeOf(down);
    if (checkpoints_.empty() || distanceBetween(checkpoints_.back(), place) > SameSpot) {
        lay(place);
    }
}

void CheckpointLayer::releaseHeld() {
    for (const GameSample& sample : pressed_) {
        follow(sample);
    }
    pressed_.clear();
}

void CheckpointLayer::follow(const GameSample& sample) {
    const RoutePoint place = placeOf(sample);
    const double step = distanceBetween(last_, place);
    if (settings_.followShape &&
        (pathSinceAnchor_ + step > settings_.spacing || !sleeve_.reaches(place))) {
        if (pathSinceAnchor_ > 0) {
            lay(last_);
        }
        if (step > settings_.spacing) {
            last_ = place;
            lay(place);
            return;
        }
    }
    sleeve_.take(place);
    pathSinceAnchor_ += step;
    last_ = place;
}

void CheckpointLayer::finish() {
    releaseHeld();
    holding_ = false;
    if (started_) {
        closePiece(false);
    }
}

void CheckpointLayer::closePiece(bool atJump) {
    if (!settings_.followShape) {
        return;
    }
    if (atJump && !pieceHasCheckpoint_ && pathSinceAnchor_ <= settings_.tolerance) {
        return;
    }
    // A checkpoint near the end takes the finish's place only when the path after it stays
    // within the tolerance of it.
    if (pieceHasCheckpoint_ && distanceBetween(checkpoints_.back(), last_) <= FinishReach &&
        pathSinceAnchor_ <= settings_.tolerance) {
        return;
    }
    lay(last_);
}

void CheckpointLayer::startPiece(const RoutePoint& place) {
    sleeve_.restart(place);
    last_ = place;
    pathSinceAnchor_ = 0;
    pieceHasCheckpoint_ = false;
}

bool CheckpointLayer::lay(const RoutePoint& point) {
    if (static_cast<int>(checkpoints_.size()) >= settings_.checkpointRoom) {
        checkpointLimitReached_ = true;
        return false;
    }
    checkpoints_.push_back(point);
    sleeve_.restart(point);
    pathSinceAnchor_ = 0;
    pieceHasCheckpoint_ = true;
    return true;
}

void CheckpointLayer::layCar(const GameSample& sample) {
    if (static_cast<int>(cars_.size()) >= settings_.carRoom) {
        carLimitReached_ = true;
        return;
    }
    cars_.push_back({placeOf(sample), sample.heading, sample.model});
}

std::size_t CheckpointLayer::memoryUse() const {
    return sizeof *this + checkpoints_.capacity() * sizeof(RoutePoint) +
           cars_.capacity() * sizeof(RecordedCar) + pressed_.capacity() * sizeof(GameSample);
}

}  // namespace qv
