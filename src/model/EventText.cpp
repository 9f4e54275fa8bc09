#include "model/EventText.h"

#include "model/Error.h"
#include "model/Mission.h"
#include "platform/Translation.h"

namespace qv {

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool pending = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += c;
            pending = true;
        }
    }
    if (pending) {
        lines.push_back(line);
    }
    return lines;
}

void checkEventText(std::string_view conditions, std::string_view actions) {
    Mission::checkConditionCount(textLines(conditions).size());
    if (conditions.empty()) {
        throw Error(translate("EventText", "Введите условия!"));
    }
    if (actions.empty()) {
        throw Error(translate("EventText", "Введите действия!"));
    }
}

namespace {
std::vector<std::string> nonEmptyLines(std::string_view text) {
    std::vector<std::string> lines;
    for (auto& line : textLines(text)) {
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}
}  // namespace

EventEntry eventFromText(std::string kind, std::string_view conditions, std::string_view actions) {
    return {std::move(kind), nonEmptyLines(conditions), nonEmptyLines(actions)};
}

std::string linesText(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i];
    }
    return text;
}

}  // namespace qv
