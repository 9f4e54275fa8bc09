#pragma once

#include "ui/main/ParameterPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace qv::ui {

class EditorApp;

// "Прочие параметры": weather, traffic, prize, time of day, the four behaviour flags, and the
// buttons of the objects and events windows.
class OtherPage final : public ParameterPage {
    Q_OBJECT

  public:
    OtherPage(EditorApp& app, QWidget* parent);

    void showParameters(const MissionParameters& parameters) override;
    void storeParameters(MissionParameters& parameters) const override;

  private:
    void showTraffic(bool on, bool off);

    QComboBox* weather_;
    QButtonGroup* traffic_;
    QRadioButton* trafficOn_;
    QRadioButton* trafficOff_;
    QSpinBox* prize_;
    QCheckBox* time_;
    QSpinBox* hour_;
    QLabel* timeColon_;
    QSpinBox* minutes_;
    QListWidget* flags_;
};

}  // namespace qv::ui
