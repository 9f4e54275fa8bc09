#include "FakeDrive.h"

#include <array>
#include <chrono>
#include <cmath>
#include <thread>

#include "gamelink/GameSession.h"
#include "gamelink/RouteRecorder.h"

namespace qv::test {
namespace {

constexpr RoutePoint Start{1000, -1000, 10};
constexpr int Model = 411;
constexpr float Side = 100;
constexpr float Speed = 100;  // metres a second
constexpr double DriveStart = 3.0;
constexpr double TapStart = DriveStart + 2.5;
constexpr double TapEnd = TapStart + 0.3;
constexpr double DriveEnd = DriveStart + 4 * Side / Speed;
constexpr double CircuitEnd = DriveEnd + 0.5;
constexpr double ParkedEnd = 120;

// The corners after the start, each with the heading that leads to it.
struct Leg {
    float dx, dy, heading;
};
constexpr std::array<Leg, 4> Legs = {{{1, 0, 270}, {0, 1, 0}, {-1, 0, 90}, {0, -1, 180}}};

std::optional<DriveMoment> circuitMoment(double seconds) {
    DriveMoment moment{Start.x, Start.y, Start.z, 0, 0, false};
    if (seconds >= CircuitEnd) {
        return std::nullopt;
    }
    if (seconds < DriveStart || seconds >= DriveEnd) {
        moment.horn = seconds >= 0.5 && seconds < 2.5;
        return moment;
    }
    const double driven = (seconds - DriveStart) * Speed;
    const auto leg = static_cast<std::size_t>(driven / Side);
    const double along = driven - double(leg) * Side;
    for (std::size_t i = 0; i < leg; ++i) {
        moment.x += Legs[i].dx * Side;
        moment.y += Legs[i].dy * Side;
    }
    moment.x += static_cast<float>(Legs[leg].dx * along);
    moment.y += static_cast<float>(Legs[leg].dy * along);
    moment.heading = Legs[leg].heading;
    moment.speed = Speed;
    moment.horn = seconds >= TapStart && seconds < TapEnd;
    return moment;
}

double planar(const RoutePoint& a, float x, float y) {
    return std::hypot(double(a.x) - x, double(a.y) - y);
}

}  // namespace

std::optional<DriveMoment> driveMoment(std::string_view drive, double seconds) {
    if (drive == "circuit") {
        return circuitMoment(seconds);
    }
    if (drive == "parked" && seconds < ParkedEnd) {
        return DriveMoment{Start.x, Start.y, Start.z, 0, 0, false};
    }
    return std::nullopt;
}

void playMoment(const DriveMoment& moment, FakeGame& game) {
    game.placeVehicle(moment.x, moment.y, moment.z, moment.heading, Model, moment.speed);
    game.setHorn(moment.horn);
}

std::string circuitRouteMismatch(const RecordedRoute& route) {
    // Samples 5 m apart at this speed, a corner's checkpoint up to the tolerance past it.
    constexpr double Reach = 15;
    const float tapX = Start.x + Side - float((TapStart - DriveStart) * Speed - 2 * Side);
    const std::array<std::array<float, 2>, 5> expected = {{{Start.x + Side, Start.y},
                                                           {Start.x + Side, Start.y + Side},
                                                           {tapX, Start.y + Side},
                                                           {Start.x, Start.y + Side},
                                                           {Start.x, Start.y}}};
    std::string wrong;
    if (route.checkpoints.size() != expected.size()) {
        wrong += std::to_string(route.checkpoints.size()) + " checkpoints; ";
    }
    for (std::size_t i = 0; i < std::min(expected.size(), route.checkpoints.size()); ++i) {
        const RoutePoint& p = route.checkpoints[i];
        if (planar(p, expected[i][0], expected[i][1]) > Reach || p.z != Start.z) {
            wrong += "checkpoint " + std::to_string(i + 1) + " at " + std::to_string(p.x) + " " +
                     std::to_string(p.y) + "; ";
        }
    }
    if (route.cars.size() != 1 || planar(route.cars[0].position, Start.x, Start.y) > 0.01 ||
        route.cars[0].model != Model || std::abs(route.cars[0].heading) > 0.01) {
        wrong += std::to_string(route.cars.size()) + " cars, not the parked one";
    }
    return wrong;
}

std::string recordedCircuitMismatch(const GameOpener& opener) {
    GameSession session(opener);
    RouteRecorder recorder({});
    const auto start = std::chrono::steady_clock::now();
    auto next = start;
    while (session.state() == GameSession::State::Open &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        const double time =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (const auto sample = session.read(time)) {
            recorder.add(*sample);
        }
        next += std::chrono::milliseconds(50);
        std::this_thread::sleep_until(next);
    }
    const std::string ending =
        session.state() == GameSession::State::Ended ? "" : "the game's end not noticed; ";
    return ending + circuitRouteMismatch(recorder.finish());
}

}  // namespace qv::test
