#include "app/cli/CliRecord.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

#include "gamelink/GameSession.h"
#include "gamelink/PositionCapture.h"
#include "gamelink/RecordedRouteEdit.h"
#include "gamelink/RouteRecorder.h"
#include "model/Error.h"
#include "model/TreeTexts.h"
#include "platform/Translation.h"

namespace qv::cli {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto SampleInterval = std::chrono::milliseconds(50);

volatile std::sig_atomic_t stopAsked = 0;

extern "C" void askToStop(int) {
    stopAsked = 1;
}

// SIGINT and SIGTERM end the recording instead of the program while it lasts.
class StopSignals {
  public:
    StopSignals() {
        stopAsked = 0;
        interrupt_ = std::signal(SIGINT, askToStop);
        terminate_ = std::signal(SIGTERM, askToStop);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    ~StopSignals() {
        std::signal(SIGINT, interrupt_);
        std::signal(SIGTERM, terminate_);
    }

  private:
    void (*interrupt_)(int);
    void (*terminate_)(int);
};

std::string place(const RoutePoint& point) {
    return fixedTwoDecimals(point.x) + " " + fixedTwoDecimals(point.y) + " " +
           fixedTwoDecimals(point.z);
}

// Prints the rows laid since the last call, numbered as they will stand in the mission.
class RowPrinter {
  public:
    RowPrinter(const Mission& mission, std::ostream& out)
        : firstCheckpoint_(mission.checkpointCount() + 1),
          firstCar_(mission.carCount() + 1),
          out_(out) {}

    void print(const std::vector<RoutePoint>& checkpoints, const std::vector<RecordedCar>& cars) {
        for (; checkpoints_ < checkpoints.size(); ++checkpoints_) {
            out_ << tree_text::checkpointNode(firstCheckpoint_ + int(checkpoints_)) << ": "
                 << place(checkpoints[checkpoints_]) << std::endl;
        }
        for (; cars_ < cars.size(); ++cars_) {
            const CarEntry car = recordedCarEntry(cars[cars_]);
            out_ << tree_text::carNode(firstCar_ + int(cars_)) << ": " << car.Model << " " << car.X
                 << " " << car.Y << " " << car.Z << " " << car.Angle << std::endl;
        }
    }

  private:
    int firstCheckpoint_;
    int firstCar_;
    std::size_t checkpoints_ = 0;
    std::size_t cars_ = 0;
    std::ostream& out_;
};

}  // namespace

void recordRoute(const Options& options, Mission& mission, const GameOpener& game,
                 std::ostream& out) {
    GameSession session(game);
    if (session.state() == GameSession::State::NotRunning) {
        throw Error(translate(CaptureContext, GameNotRunningWarning.data()));
    }
    RecorderSettings settings;
    settings.followShape = !options.hornOnly;
    settings.tolerance = options.tolerance;
    settings.spacing = options.spacing;
    settings.checkpointRoom = Mission::MaxRows - mission.checkpointCount();
    settings.carRoom = Mission::MaxRows - mission.carCount();
    RouteRecorder recorder(settings);
    RowPrinter printer(mission, out);

    const StopSignals signals;
    const Clock::time_point start = Clock::now();
    Clock::time_point next = start;
    while (stopAsked == 0) {
        const double time = std::chrono::duration<double>(Clock::now() - start).count();
        if (options.seconds && time >= *options.seconds) {
            break;
        }
        if (const std::optional<GameSample> sample = session.read(time)) {
            recorder.add(*sample);
            printer.print(recorder.checkpoints(), recorder.cars());
        } else if (session.state() == GameSession::State::Ended) {
            break;
        }
        // A late sample is not made up for with a burst.
        next = std::max(next + SampleInterval, Clock::now());
        std::this_thread::sleep_until(next);
    }
    const RecordedRoute route = recorder.finish();
    printer.print(route.checkpoints, route.cars);
    if (route.checkpointLimitReached) {
        out << formatText(translate("CliRecord",
                                    "В миссии уже %1 чекпоинтов: дальше они не "
                                    "записывались"),
                          {std::to_string(Mission::MaxRows)})
            << std::endl;
    }
    if (route.carLimitReached) {
        out << formatText(
                   translate("CliRecord", "В миссии уже %1 машин: дальше они не записывались"),
                   {std::to_string(Mission::MaxRows)})
            << std::endl;
    }
    out << addRecordedRoute(mission, route, mission.checkpointCount() + 1, addDialogCheckpoint(),
                            addDialogDriveTypeCaption())
        << std::endl;
}

}  // namespace qv::cli
