#include "generator/ScriptWriter.h"

namespace qv {

void ScriptWriter::lines(std::initializer_list<std::string_view> texts) {
    for (const auto text : texts) {
        lines_.emplace_back(text);
    }
}

void ScriptWriter::lineBreakLine() {
    empty();
    empty();
}

void ScriptWriter::label(std::string_view suffix) {
    std::string text = ":" + prefix_;
    text += suffix;
    lines_.push_back(std::move(text));
}

std::string ScriptWriter::ref(std::string_view suffix) const {
    std::string text = "@" + prefix_;
    text += suffix;
    return text;
}

void ScriptWriter::jump(std::string_view command, std::string_view suffix) {
    std::string text(command);
    text += ' ';
    text += ref(suffix);
    lines_.push_back(std::move(text));
}

}  // namespace qv
