#include "model/NumberText.h"

#include <charconv>
#include <cmath>

namespace qv {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
size_t skipDigits(std::string_view text, size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}
size_t skipBlanks(std::string_view text, size_t i) {
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    return i;
}
}  // namespace

bool convertsToFloat(std::string_view text) {
    size_t i = skipBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const size_t integerStart = i;
    i = skipDigits(text, i);
    bool digits = i > integerStart;
    if (i < text.size() && text[i] == '.') {
        const size_t fractionStart = ++i;
        i = skipDigits(text, i);
        digits = digits || i > fractionStart;
    }
    if (!digits) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const size_t exponentStart = i;
        i = skipDigits(text, i);
        if (i == exponentStart) {
            return false;
        }
    }
    return skipBlanks(text, i) == text.size();
}

std::optional<double> numberValue(std::string_view text) {
    if (!convertsToFloat(text)) {
        return std::nullopt;
    }
    text.remove_prefix(skipBlanks(text, 0));
    text.remove_suffix(text.size() - text.find_last_not_of(' ') - 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string tidyCoordinate(std::string_view text) {
    return convertsToFloat(text) ? std::string(text) : std::string("0.00");
}

bool isWholeNumber(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    return i < text.size() && skipDigits(text, i) == text.size();
}

}  // namespace qv
