#pragma once

#include "ui/main/ParameterPage.h"

class QLabel;

namespace qv::ui {

class EditorApp;
class MissionTreeView;

// "Чекпоинты": the checkpoint tree with its add, remove-last and change buttons, and the note
// on circuits, shown only for a circuit race.
class CheckpointsPage final : public ParameterPage {
    Q_OBJECT

  public:
    CheckpointsPage(EditorApp& app, QWidget* parent);

    MissionTreeView& checkpointTree() const { return *checkpointTree_; }

    void showParameters(const MissionParameters& parameters) override;
    void storeParameters(MissionParameters& parameters) const override;

  private:
    MissionTreeView* checkpointTree_;
    QLabel* circuitNote_;
};

}  // namespace qv::ui
