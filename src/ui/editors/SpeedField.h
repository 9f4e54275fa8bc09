#pragma once

#include <QSpinBox>

class QSlider;

namespace qv::ui {

// The number field of the opponents' speed, `SpinEdit1`, kept in step with its slider
// `TrackBar1`, both 1 to 100. Any text may be typed: while it is typed the slider follows at
// once (a number beyond the range moves it to the nearest end, a text that is not a number to
// 1), and when the field is left the text becomes that number.
class SpeedField final : public QSpinBox {
    Q_OBJECT

  public:
    static constexpr int Minimum = 1;
    static constexpr int Maximum = 100;

    SpeedField(QSlider& slider, QWidget* parent);

    // The speed a text stands for: the number within 1..100, or 1 when it is no number.
    static int speedOf(const QString& text);

  protected:
    QValidator::State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;
};

}  // namespace qv::ui
