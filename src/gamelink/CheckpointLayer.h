#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "gamelink/GameSample.h"
#include "gamelink/PathSleeve.h"
#include "gamelink/RecordedRoute.h"

namespace qv {

// Lays the checkpoints and cars of a recording from the samples that count (taken in a
// vehicle), by the route's rules: the path's shape (PathSleeve) and spacing, the horn's taps
// and holds, the pieces between jumps, the finish and the row limits. It holds only a second of
// samples (a horn press being decided), so a copy is cheap.
class CheckpointLayer {
  public:
    explicit CheckpointLayer(const RecorderSettings& settings);

    // The next sample in a vehicle; `jumped`: it lies more than 100 m from the one before, and
    // starts a new piece of the path.
    void add(const GameSample& sample, bool jumped);
    // Ends the recording: a horn press still held is dropped, and the finish is laid.
    void finish();

    const std::vector<RoutePoint>& checkpoints() const { return checkpoints_; }
    const std::vector<RecordedCar>& cars() const { return cars_; }
    bool checkpointLimitReached() const { return checkpointLimitReached_; }
    bool carLimitReached() const { return carLimitReached_; }
    // Bytes held, for the figures.
    std::size_t memoryUse() const;

  private:
    // A sample through the shape rules, after the horn has had its say.
    void follow(const GameSample& sample);
    void hornHeld(const GameSample& sample);
    // A tap: a checkpoint where the vehicle was when the horn went down.
    void hornTapped();
    // Lets the samples held back for a horn press go to the shape rules.
    void releaseHeld();
    // Lays the last sample of the current piece, unless the piece's last checkpoint lies within
    // 10 m of it and the path since stays within the tolerance;
    // `atJump`: a piece that never got far from its start lays nothing.
    void closePiece(bool atJump);
    void startPiece(const RoutePoint& place);
    // Lays a checkpoint and makes it the anchor; false at the limit.
    bool lay(const RoutePoint& point);
    void layCar(const GameSample& sample);

    RecorderSettings settings_;
    PathSleeve sleeve_;
    std::vector<RoutePoint> checkpoints_;
    std::vector<RecordedCar> cars_;
    bool checkpointLimitReached_ = false;
    bool carLimitReached_ = false;

    bool started_ = false;
    RoutePoint last_;             // the latest sample followed
    double pathSinceAnchor_ = 0;  // metres driven from the anchor to last_
    bool pieceHasCheckpoint_ = false;

    // A horn press being decided: the samples since it went down, and whether it has already
    // been taken as a hold.
    std::vector<GameSample> pressed_;
    bool holding_ = false;
    bool stillSincePress_ = true;
};

}  // namespace qv
