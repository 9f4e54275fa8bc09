#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "gamelink/GameSession.h"

namespace qv::ui {

// Reads the player out of the running game ten times a second while it is on, for the map's
// live player. It finds the game when it starts and looks for it again once a second while it
// is not running, so the game may be started and closed at any time.
class PlayerWatch final : public QObject {
  public:
    // What one reading found: the sample, or nullopt when there is none (`state` says whether
    // the game runs at all).
    using Seen = std::function<void(const std::optional<GameSample>& sample, bool gameRunning)>;

    PlayerWatch(const GameOpener& opener, Seen seen, QObject* parent);
    ~PlayerWatch() override;

    void setActive(bool active);

  private:
    void tick();

    const GameOpener& opener_;
    Seen seen_;
    std::unique_ptr<GameSession> session_;
    QTimer timer_;
    int ticksToRetry_ = 0;
};

}  // namespace qv::ui
