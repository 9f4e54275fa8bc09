#pragma once

#include <QValidator>

class QLineEdit;

namespace qv::ui {

// Shows and reads every letter of a field in capitals.
class UpperCaseValidator final : public QValidator {
    Q_OBJECT

  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Makes `field` an upper-case field and, when `maxLength` is above 0, lets the user type no
// more than that many characters into it; a longer text set by the program stays whole.
void makeUpperCase(QLineEdit& field, int maxLength = 0);

// When the coordinate field tidy runs on a field.
enum class TidyWhen { Clicked, FocusLeft };

// The coordinate field tidy: a text that does not convert to a floating-point number with "."
// as decimal separator becomes "0.00"; any other text stays exactly as typed.
void tidyCoordinateField(QLineEdit& field);
// Runs the tidy on `field` whenever the user clicks into it or leaves it.
void installCoordinateTidy(QLineEdit& field, TidyWhen when);

}  // namespace qv::ui
