#pragma once

#include <QGroupBox>
#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QToolButton;

namespace qv::ui {

class EditorApp;

// A model name field (a car's, an object's or a component's): typed in capitals, shown in
// maroon bold Courier New.
QLineEdit* makeModelField(const char* objectName, QWidget* parent);
// A label in the model fields' look: the "#" before a model name.
QLabel* makeModelLabel(const QString& text, QWidget* parent);

// Whether a coordinate group has an angle field, and whether its capture button fills it.
enum class AngleField { None, Captured, Kept };

// The coordinate fields of an entity dialog: `Edit2` to `Edit4` for X, Y and Z and, where the
// entity has one, `Edit5` for the angle, each "0.00" at first, in maroon Courier New, tidied when
// the user leaves it; and `SpeedButton1`, which fills them from the running game.
class CoordinateGroup final : public QGroupBox {
    Q_OBJECT

  public:
    CoordinateGroup(EditorApp& app, const QString& title, AngleField angle, QWidget* parent);

    // The X, Y, Z and (when there is one) angle texts as they stand.
    std::string x() const;
    std::string y() const;
    std::string z() const;
    std::string angle() const;
    // Shows the texts; `angle` is ignored when the group has no angle field.
    void setTexts(const std::string& x, const std::string& y, const std::string& z,
                  const std::string& angle = {});

  private:
    std::array<QLineEdit*, 4> fields_{};  // the last is nullptr without an angle field
};

}  // namespace qv::ui
