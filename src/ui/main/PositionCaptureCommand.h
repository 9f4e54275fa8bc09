#pragma once

class QLineEdit;

namespace qv::ui {

class EditorApp;

// The fields of a window that a capture fills; `angle` is nullptr when the window takes no
// heading.
struct CaptureFields {
    QLineEdit* x;
    QLineEdit* y;
    QLineEdit* z;
    QLineEdit* angle;
};

// Takes the player's position (and heading, when there is an angle field) from the running game
// into the fields. When the game is not running or the player cannot be found, a warning titled
// "Quorvane" is shown and no field changes.
void capturePosition(EditorApp& app, const CaptureFields& fields);

}  // namespace qv::ui
