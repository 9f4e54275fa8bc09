#include "ui/editors/SpeedField.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace qv::ui {

SpeedField::SpeedField(QSlider& slider, QWidget* parent) : QSpinBox(parent) {
    setRange(Minimum, Maximum);
    slider.setRange(Minimum, Maximum);
    slider.setSingleStep(1);
    setValue(Minimum);
    slider.setValue(Minimum);
    connect(&slider, &QSlider::valueChanged, this, &QSpinBox::setValue);
    connect(this, &QSpinBox::valueChanged, &slider, &QSlider::setValue);
    // A text being typed moves the slider without being rewritten under the cursor.
    connect(lineEdit(), &QLineEdit::textEdited, &slider, [&slider](const QString& text) {
        const QSignalBlocker quiet(slider);
        slider.setValue(speedOf(text));
    });
}

int SpeedField::speedOf(const QString& text) {
    bool number = false;
    const qlonglong value = text.trimmed().toLongLong(&number);
    return number ? int(std::clamp<qlonglong>(value, Minimum, Maximum)) : Minimum;
}

QValidator::State SpeedField::validate(QString& input, int& /*position*/) const {
    bool number = false;
    const qlonglong value = input.trimmed().toLongLong(&number);
    return number && value >= Minimum && value <= Maximum ? QValidator::Acceptable
                                                          : QValidator::Intermediate;
}

void SpeedField::fixup(QString& input) const {
    input = QString::number(speedOf(input));
}

}  // namespace qv::ui
