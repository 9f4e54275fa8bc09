#pragma once

#include "ui/main/ParameterPage.h"

class QCheckBox;
class QSlider;
class QSpinBox;

namespace qv::ui {

class EditorApp;
class MissionTreeView;

// "Параметры машин": the car tree with its add, remove-last and change buttons, the player's
// car, the opponents' handling and the two flags for all cars.
class CarsPage final : public ParameterPage {
    Q_OBJECT

  public:
    CarsPage(EditorApp& app, QWidget* parent);

    MissionTreeView& carTree() const { return *carTree_; }

    void showParameters(const MissionParameters& parameters) override;
    void storeParameters(MissionParameters& parameters) const override;
    // Bounds `PlayerCarNumber` by the number of cars: 1 to the count, enabled from two cars on.
    // A value above the new bound comes down to it; the value is never raised.
    void setCarCount(int count);

  private:
    MissionTreeView* carTree_;
    QSpinBox* playerCarNumber_;
    QCheckBox* playerCar_;
    QSlider* handling_;
    QCheckBox* bulletProof_;
    QCheckBox* veryHeavy_;
};

}  // namespace qv::ui
