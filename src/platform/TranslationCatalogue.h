#pragma once

#include <cstddef>
#include <string_view>

namespace qv {

// One English message of the catalogue: its Russian source, the catalogue section it belongs to
// and what tells it from an equal source elsewhere in that section.
struct CatalogueMessage {
    std::string_view context;
    std::string_view source;
    std::string_view disambiguation;
    std::string_view english;
};

// The finished English messages of translations/quorvane_en.ts, made from it at build time.
extern const CatalogueMessage englishCatalogue[];
extern const std::size_t englishCatalogueSize;

}  // namespace qv
