#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Whether a text converts to a floating-point number with "." as the decimal separator: blanks
// around it, an optional sign, digits with an optional fraction, an optional exponent.
// "1,5", letters and the empty text do not.
bool convertsToFloat(std::string_view text);

// The value of a coordinate, an angle or any number field, read by the rules above; nothing
// when the text does not convert or its value is beyond a double ("1e999").
std::optional<double> numberValue(std::string_view text);

// The coordinate field tidy: a text that does not convert becomes "0.00"; any other text is
// kept exactly as typed.
std::string tidyCoordinate(std::string_view text);

// Whether a text is a whole number: an optional sign and digits, nothing else.
bool isWholeNumber(std::string_view text);

}  // namespace qv
