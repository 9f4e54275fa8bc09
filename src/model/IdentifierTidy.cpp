#include "model/IdentifierTidy.h"

#include <algorithm>

namespace qv {

const std::array<std::string_view, 33>& refusedCharacters() {
    static constexpr std::array<std::string_view, 33> characters = {
        " ", "`", "\"", "'", "~",  "!", "?", "@", "#", "№", "$", "%", "^", "&", "*", "(", ")",
        "-", "=", "+",  "/", "\\", "|", ";", ":", "{", "}", "[", "]", "<", ">", ",", "."};
    return characters;
}

namespace {

// A control character (a NUL, a TAB, an ESC, a DEL): nothing a script may hold.
bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
}

}  // namespace

std::string tidyIdentifier(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), ' ', '_');
    std::erase_if(result, isControl);
    for (const std::string_view refused : refusedCharacters()) {
        for (auto at = result.find(refused); at != std::string::npos;
             at = result.find(refused, at)) {
            result.erase(at, refused.size());
        }
    }
    return result;
}

bool hasRefusedCharacter(std::string_view text) {
    return std::ranges::any_of(text, isControl) ||
           std::any_of(refusedCharacters().begin(), refusedCharacters().end(),
                       [text](std::string_view refused) {
                           return text.find(refused) != std::string_view::npos;
                       });
}

}  // namespace qv
