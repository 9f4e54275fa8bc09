#include "ui/map/PlayerWatch.h"

namespace qv::ui {
namespace {

constexpr int TickMilliseconds = 100;
// Looking for a game that is not running costs a search of the processes: once a second.
constexpr int TicksBetweenSearches = 10;

}  // namespace

PlayerWatch::PlayerWatch(const GameOpener& opener, Seen seen, QObject* parent)
    : QObject(parent), opener_(opener), seen_(std::move(seen)) {
    timer_.setInterval(TickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &PlayerWatch::tick);
}

PlayerWatch::~PlayerWatch() = default;

void PlayerWatch::setActive(bool active) {
    if (active == timer_.isActive()) {
        return;
    }
    if (active) {
        ticksToRetry_ = 0;
        timer_.start();
        tick();
    } else {
        timer_.stop();
        session_.reset();
    }
}

void PlayerWatch::tick() {
    if (session_ == nullptr || session_->state() != GameSession::State::Open) {
        if (ticksToRetry_ > 0) {
            --ticksToRetry_;
            return;
        }
        ticksToRetry_ = TicksBetweenSearches;
        session_ = std::make_unique<GameSession>(opener_);
    }
    const std::optional<GameSample> sample = session_->read(0);
    seen_(sample, session_->state() == GameSession::State::Open);
}

}  // namespace qv::ui
