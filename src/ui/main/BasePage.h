#pragma once

#include <utility>

#include "ui/main/ParameterPage.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QSpinBox;

namespace qv::ui {

class EditorApp;

// "Базовые параметры миссии": the start point and its variable names, the race type and laps,
// the mission's thread name, number and label prefix, and the repeat flag.
class BasePage final : public ParameterPage {
    Q_OBJECT

  public:
    BasePage(EditorApp& app, QWidget* parent);

    void showParameters(const MissionParameters& parameters) override;
    void storeParameters(MissionParameters& parameters) const override;

  private:
    // One row of the start point: the coordinate field and its variable-name field.
    std::pair<QLineEdit*, QLineEdit*> addCoordinateRow(QGridLayout& grid, int row,
                                                       const QString& axis, const char* name,
                                                       const char* varName, const QString& hint);

    QLineEdit* startX_;
    QLineEdit* startY_;
    QLineEdit* startZ_;
    QLineEdit* startXvar_;
    QLineEdit* startYvar_;
    QLineEdit* startZvar_;
    QComboBox* raceType_;
    QLabel* lapsLabel_;
    QSpinBox* laps_;
    QLineEdit* missionName_;
    QSpinBox* missionNumber_;
    QLineEdit* missionPrefix_;
    QCheckBox* passRepeat_;
};

}  // namespace qv::ui
