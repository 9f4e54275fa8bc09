#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

// The 33 characters that script identifiers and car model names must not hold, in the order
// they are removed: blank, ` " ' ~ ! ? @ # № $ % ^ & * ( ) - = + / \ | ; : { } [ ] < > , .
const std::array<std::string_view, 33>& refusedCharacters();

// The identifier tidy: every blank becomes "_", then every control character (below U+0020,
// and DEL) and every other refused character is deleted.
std::string tidyIdentifier(std::string_view text);

// Whether `text` holds any refused character or control character.
bool hasRefusedCharacter(std::string_view text);

}  // namespace qv
