#include "generator/ScriptWriter.h"

namespace qv {

void ScriptWriter::lines(std::initializer_list<std::string_view> texts) {
    for (const auto text : texts) {
        line(text);
    }
}

void ScriptWriter::lineBreakLine() {
    empty();
    empty();
}

void ScriptWriter::label(std::string_view suffix) {
    line(":", prefix_, suffix);
}

void ScriptWriter::jump(std::string_view command, std::string_view suffix) {
    line(command, " @", prefix_, suffix);
}

std::string& ScriptWriter::beginLine(std::size_t bytes) {
    if (oneText_) {
        return text_;
    }
    lines_.emplace_back().reserve(bytes);
    return lines_.back();
}

}  // namespace qv
