#include "gamedata/ObjectModels.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/Translation.h"

namespace qv {

namespace {

// Objects of the game's default.ide and map .ide files, named as Sanny Builder reads them after
// "#".
constexpr std::array<ObjectModel, 7> Models{{
    {1228, "ROADWORKBARRIER1", QT_TRANSLATE_NOOP("ObjectModels", "заграждение дорожных работ")},
    {1238, "TRAFFICCONE", QT_TRANSLATE_NOOP("ObjectModels", "дорожный конус")},
    {1422, "DYN_ROADBARRIER_5", QT_TRANSLATE_NOOP("ObjectModels", "дорожное заграждение")},
    {1424, "DYN_ROADBARRIER_2", QT_TRANSLATE_NOOP("ObjectModels", "дорожное заграждение")},
    {1459, "DYN_ROADBARRIER_6", QT_TRANSLATE_NOOP("ObjectModels", "дорожное заграждение")},
    {1655, "WATERJUMPX2", QT_TRANSLATE_NOOP("ObjectModels", "трамплин")},
    {3578, "DOCKBARR1_LA", QT_TRANSLATE_NOOP("ObjectModels", "жёлтый барьер")},
}};

}  // namespace

std::span<const ObjectModel> raceObjectModels() {
    return Models;
}

const ObjectModel* findObjectModelByNumber(std::string_view text) {
    int id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        text.front() == '-') {
        return nullptr;
    }
    const auto found =
        std::ranges::find_if(Models, [id](const ObjectModel& model) { return model.id == id; });
    return found != Models.end() ? &*found : nullptr;
}

}  // namespace qv
