#include "model/TreeTexts.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/Translation.h"

namespace qv::tree_text {

namespace {
std::string join(std::string_view head, std::string_view tail) {
    std::string text(head);
    text += tail;
    return text;
}
}  // namespace

std::string carsRoot(int count) {
    return "Машины (" + std::to_string(count) + " всего)";
}
std::string checkpointsRoot(int count) {
    return "Чекпоинты (" + std::to_string(count) + " всего)";
}
std::string carNode(int row) {
    return "Машина " + std::to_string(row);
}
std::string checkpointNode(int row) {
    return "Чекпоинт " + std::to_string(row);
}
std::string objectNode(int row) {
    return "Объект " + std::to_string(row);
}
std::string eventNode(int row) {
    return "Событие " + std::to_string(row);
}
std::string model(std::string_view model) {
    return join("Модель: #", model);
}
std::string x(std::string_view value) {
    return join("X: ", value);
}
std::string y(std::string_view value) {
    return join("Y: ", value);
}
std::string z(std::string_view value) {
    return join("Z: ", value);
}
std::string angle(std::string_view value) {
    return join("Угол: ", value);
}
std::string componentsNode(int count) {
    return join(ComponentsPrefix, std::to_string(count) + ")");
}
std::string component(int number, std::string_view text) {
    return join(std::to_string(number) + ": ", text);
}
std::string speed(int speed) {
    return "Скорость: " + std::to_string(speed) + ".0";
}
std::string driveType(std::string_view caption) {
    return join("Тип езды: ", caption.empty() ? NoDriveTypeCaption : caption);
}
std::string condition(std::string_view kind) {
    return join(ConditionPrefix, kind);
}

namespace {

// A node text made of a fixed text around one part of its own (%1): a number, or any text.
struct Pattern {
    const char* text;
    bool number;
};
constexpr std::array Patterns = {
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Машины (%1 всего)"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Чекпоинты (%1 всего)"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Машина %1"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Чекпоинт %1"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Объект %1"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Событие %1"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Тюнинг-компоненты (%1)"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Скорость: %1.0"), true},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Модель: #%1"), false},
    Pattern{QT_TRANSLATE_NOOP("TreeTexts", "Угол: %1"), false},
};
constexpr const char* DriveTypePattern = QT_TRANSLATE_NOOP("TreeTexts", "Тип езды: %1");

// Node texts that are fixed whole, and the drive type captions the tree files hold.
constexpr std::array FixedTexts = {
    QT_TRANSLATE_NOOP("TreeTexts", "Координаты старта"),
    QT_TRANSLATE_NOOP("TreeTexts", "Координаты"),
    QT_TRANSLATE_NOOP("TreeTexts", "Объекты"),
    QT_TRANSLATE_NOOP("TreeTexts", "События"),
};
constexpr std::array DriveTypeCaptions = {
    QT_TRANSLATE_NOOP("TreeTexts", "Гоночный "),
    QT_TRANSLATE_NOOP("TreeTexts", "Гоночный"),
    QT_TRANSLATE_NOOP("TreeTexts", "По обычным транспортным путям"),
    QT_TRANSLATE_NOOP("TreeTexts", "По обычным путям"),
    QT_TRANSLATE_NOOP("TreeTexts", "Напрямик"),
    QT_TRANSLATE_NOOP("TreeTexts", "Обычный (VC)"),
};

bool isNumber(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The part of `text` that stands for %1 in `pattern`, if `text` has the pattern's form.
std::optional<std::string_view> partOf(std::string_view text, std::string_view pattern) {
    const auto at = pattern.find("%1");
    const std::string_view head = pattern.substr(0, at);
    const std::string_view tail = pattern.substr(at + 2);
    if (text.size() < head.size() + tail.size() || !text.starts_with(head) ||
        !text.ends_with(tail)) {
        return std::nullopt;
    }
    return text.substr(head.size(), text.size() - head.size() - tail.size());
}

// `text` in the current language where it is one of `texts`, else as it is.
template <std::size_t Count>
std::string shownFixed(std::string_view text, const std::array<const char*, Count>& texts) {
    const auto found = std::ranges::find(texts, text);
    return found != texts.end() ? translate("TreeTexts", *found) : std::string(text);
}

}  // namespace

std::string shownText(std::string_view nodeText) {
    if (currentLanguage() == Language::Russian) {
        return std::string(nodeText);  // the texts as held
    }
    if (std::ranges::find(FixedTexts, nodeText) != FixedTexts.end()) {
        return shownFixed(nodeText, FixedTexts);
    }
    for (const Pattern& pattern : Patterns) {
        const auto part = partOf(nodeText, pattern.text);
        if (part && (!pattern.number || isNumber(*part))) {
            return formatText(translate("TreeTexts", pattern.text), {*part});
        }
    }
    if (const auto caption = partOf(nodeText, DriveTypePattern)) {
        return formatText(translate("TreeTexts", DriveTypePattern),
                          {shownFixed(*caption, DriveTypeCaptions)});
    }
    return std::string(nodeText);
}

std::string componentText(std::string_view nodeText) {
    const auto separator = nodeText.find(": ");
    if (separator == std::string_view::npos) {
        return std::string(nodeText);
    }
    return std::string(nodeText.substr(separator + 2));
}

}  // namespace qv::tree_text
