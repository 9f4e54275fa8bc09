// Reads arbitrary bytes as a radar tile's texture dictionary. Nothing may crash or read past
// the bytes; a texture that reads has the size it claims, within bounds; every failure is an
// Error with its reason.
#include <cstdint>
#include <string_view>

#include "Require.h"
#include "gamedata/TxdReader.h"
#include "model/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const qv::Image image =
            qv::readTxdTexture(std::string_view(reinterpret_cast<const char*>(data), size));
        require(image.width >= 1 && image.width <= qv::MaxTextureSide);
        require(image.height >= 1 && image.height <= qv::MaxTextureSide);
        require(image.pixels.size() ==
                static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
        require(image.pixels.size() <= size * 16);  // at most 16 pixels per byte (DXT1)
    } catch (const qv::Error& error) {
        require(!error.message().empty());
    }
    return 0;
}
