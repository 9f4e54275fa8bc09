#pragma once

class QWidget;

namespace qv::ui {

// Places `window` at the centre of `over` each time the program shows it.
void centreWhenShown(QWidget& window, const QWidget& over);

}  // namespace qv::ui
