#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "gamelink/GameSession.h"
#include "gamelink/RouteRecorder.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace qv::ui {

class EditorApp;
class MapWindow;

// "Запись маршрута": records a race while the modder drives it in the game. Twenty times a
// second it reads the player out of the game and feeds the recorder, shows the live figures
// and one status line, and draws the drive on the route map. "Стоп" puts the checkpoints and
// cars laid into the mission as one undo step, "Отмена" discards them. When the game closes,
// the recording ends there and what was recorded waits for "Стоп" or "Отмена". Closing the
// window only hides it: a recording goes on.
class RecorderWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit RecorderWindow(EditorApp& app);
    ~RecorderWindow() override;

  private:
    enum class Phase { Idle, Recording, Paused, GameGone };

    void start();
    void pause(bool paused);
    void stop();
    void cancel();
    void tick();
    // Leaves the recording: the map stops drawing it, the controls are as before a start.
    void finishRecording();
    double recordedSeconds() const;
    void setPhase(Phase phase);
    // The live figures, `laid` the checkpoints laid so far.
    void showFigures(std::size_t laid);
    void showOnMap(const std::optional<GameSample>& sample, const std::vector<RoutePoint>& laid);
    void showStatus(const QString& text);

    EditorApp& app_;
    QPushButton* start_;
    QPushButton* pause_;
    QPushButton* stop_;
    QPushButton* cancel_;
    QComboBox* mode_;
    QSpinBox* tolerance_;
    QSpinBox* spacing_;
    QLabel* time_;
    QLabel* distance_;
    QLabel* speed_;
    QLabel* checkpoints_;
    QLabel* cars_;
    QLabel* status_;

    Phase phase_ = Phase::Idle;
    std::unique_ptr<GameSession> session_;
    std::unique_ptr<RouteRecorder> recorder_;
    QTimer timer_;
    QElapsedTimer running_;
    double secondsBeforePause_ = 0;
    double lastRead_ = 0;  // when a read last gave a sample
};

// Shows the route recorder and the route map, making the recorder the first time.
void showRouteRecorder(EditorApp& app);

}  // namespace qv::ui
