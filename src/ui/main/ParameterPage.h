#pragma once

#include <QWidget>

#include "model/MissionParameters.h"

class QLineEdit;

namespace qv::ui {

// One tab of the main window. Its controls show the mission's parameters; every change the user
// makes is announced by edited(), and the main window then stores all controls in the mission.
class ParameterPage : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    // Shows `parameters` in the page's controls, each as far as the control can hold it.
    virtual void showParameters(const MissionParameters& parameters) = 0;
    // Writes the values the controls hold into `parameters`.
    virtual void storeParameters(MissionParameters& parameters) const = 0;

  signals:
    void edited();

  protected:
    // Sets a field's text only when it differs, so that the cursor of a field being typed in
    // stays where it is.
    static void showText(QLineEdit& field, const std::string& text);
    static std::string textOf(const QLineEdit& field);
};

}  // namespace qv::ui
