// Reads arbitrary bytes as the game's models\gta3.img: the directory, then every entry it
// names. Nothing may crash or allocate more than the file holds, an entry read is as long as
// the directory says, and every failure is an Error with its reason. The archive is read in
// place, part by part, so that a run costs what reading that archive costs.
#include <cstdint>
#include <string>
#include <string_view>

#include "MemoryFile.h"
#include "Require.h"
#include "gamedata/ImgArchive.h"
#include "model/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = "/game/models/gta3.img";
    const MemoryFile files(path, std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        const qv::ImgArchive archive(files, path);
        require(8 + 32 * archive.entries().size() <= size);
        for (const qv::ImgEntry& entry : archive.entries()) {
            try {
                const std::string bytes = archive.read(entry, 1 << 20);
                require(bytes.size() == entry.size);
                require(entry.size == 0 || entry.offset + entry.size <= size);
            } catch (const qv::Error& error) {
                require(!error.message().empty());
            }
        }
    } catch (const qv::Error& error) {
        require(!error.message().empty());
    }
    return 0;
}
