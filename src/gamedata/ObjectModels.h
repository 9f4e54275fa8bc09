#pragma once

#include <span>
#include <string_view>

namespace qv {

// One of the game's objects that races put on the road: its number, its name as the game's .ide
// files spell it (a script writes it with "#" in front) and what it is, in Russian as marked for
// the catalogue: shown as translate("ObjectModels", what.data()).
struct ObjectModel {
    int id;
    std::string_view name;
    std::string_view what;
};

// Cones, barriers and ramps of the game, by number.
std::span<const ObjectModel> raceObjectModels();

// The object numbered by `text` (digits only), or nullptr when the text is no such number.
const ObjectModel* findObjectModelByNumber(std::string_view text);

}  // namespace qv
