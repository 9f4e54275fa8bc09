#include "model/IdentifierTidy.h"

#include <algorithm>

namespace qv {

const std::array<std::string_view, 33>& refusedCharacters() {
    static constexpr std::array<std::string_view, 33> characters = {
        " ", "`", "\"", "'", "~",  "!", "?", "@", "#", "№", "$", "%", "^", "&", "*", "(", ")",
        "-", "=", "+",  "/", "\\", "|", ";", ":", "{", "}", "[", "]", "<", ">", ",", "."};
    return characters;
}

std::string tidyIdentifier(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), ' ', '_');
    for (const std::string_view refused : refusedCharacters()) {
        for (auto at = result.find(refused); at != std::string::npos;
             at = result.find(refused, at)) {
            result.erase(at, refused.size());
        }
    }
    return result;
}

bool hasRefusedCharacter(std::string_view text) {
    return std::any_of(
        refusedCharacters().begin(), refusedCharacters().end(),
        [text](std::string_view refused) { return text.find(refused) != std::string_view::npos; });
}

}  // namespace qv
