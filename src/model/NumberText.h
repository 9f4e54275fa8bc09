#pragma once

#include <string>
#include <string_view>

namespace qv {

// Whether a text converts to a floating-point number with "." as the decimal separator: blanks
// around it, an optional sign, digits with an optional fraction, an optional exponent.
// "1,5", letters and the empty text do not.
bool convertsToFloat(std::string_view text);

// The coordinate field tidy: a text that does not convert becomes "0.00"; any other text is
// kept exactly as typed.
std::string tidyCoordinate(std::string_view text);

// Whether a text is a whole number: an optional sign and digits, nothing else.
bool isWholeNumber(std::string_view text);

}  // namespace qv
