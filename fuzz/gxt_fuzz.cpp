// Reads arbitrary bytes as the game's text\american.gxt. Nothing may crash, the work may not
// grow faster than the file, no key finds a text longer than a text may be, and every failure
// is an Error with its reason.
#include <cstdint>
#include <string>
#include <string_view>

#include "Require.h"
#include "gamedata/GxtTable.h"
#include "model/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const qv::GxtTable table(bytes);
        require(table.size() * 8 <= size);  // one key per 8 bytes of TKEY at most
        // Keys taken from the input itself, so that some of them hit.
        for (std::size_t start = 0; start + 8 <= size && start < 64; start += 8) {
            if (const auto text = table.find(bytes.substr(start, 8))) {
                // Windows-1251 takes at most 3 bytes a character in UTF-8.
                require(text->size() <= 3 * qv::GxtTable::MaxTextBytes);
            }
        }
    } catch (const qv::Error& error) {
        require(!error.message().empty());
    }
    return 0;
}
