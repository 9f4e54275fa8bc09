#pragma once

#include <QMainWindow>
#include <array>

#include "model/InputCheck.h"
#include "model/Mission.h"

class QTabWidget;

namespace qv::ui {

class EditorApp;
class MissionTreeView;
class ParameterPage;
class CarsPage;
class CheckpointsPage;

// The main window, "Quorvane 0.9": the mission's parameters on four tabs, the car and
// checkpoint trees, and the menus that load, save, undo, check and build. Its controls hold the
// parameters: every change the user makes is stored in the mission at once, and every change
// of the mission from elsewhere (loading, undo, the input check's tidy) is shown at once. Its
// title names the project and ends the name in "*" while there are unsaved changes; a .qvnx
// file dropped on it is opened.
class MainWindow final : public QMainWindow, private MissionObserver {
    Q_OBJECT

  public:
    static constexpr int ClientWidth = 633;
    static constexpr int ClientHeight = 407;

    explicit MainWindow(EditorApp& app);
    ~MainWindow() override;

    EditorApp& app() const { return app_; }
    QTabWidget& tabs() const { return *tabs_; }
    MissionTreeView& carTree() const;
    MissionTreeView& checkpointTree() const;
    // The test-run switch ("Проверка скрипта миссии после создания"), named AMissionTestCheck;
    // the options window shows it as a check box.
    QAction& missionTestAction() const { return *missionTest_; }

    void showTab(MissionTab tab);
    // Shows where a failed input check points: its tab, and the car it names selected and
    // expanded in CarTree, which takes the focus.
    void revealInputError(const InputCheckError& error);
    // Shows the project's name and whether it has unsaved changes in the title.
    void showTitle();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void missionChanged(MissionPart part) override;
    void historyChanged() override { showTitle(); }
    void buildMenus();
    void centreOnScreen();
    // Stores every control in the mission's parameters.
    void storeParameters();
    // Shows the mission's parameters in every control.
    void showParameters();

    EditorApp& app_;
    QTabWidget* tabs_;
    CarsPage* carsPage_;
    CheckpointsPage* checkpointsPage_;
    std::array<ParameterPage*, 4> pages_{};
    QAction* missionTest_;
    bool showing_ = false;
    bool closing_ = false;
};

}  // namespace qv::ui
