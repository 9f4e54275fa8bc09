#include "gamedata/ImgArchive.h"

#include <algorithm>

#include "gamedata/ByteReader.h"
#include "model/Error.h"
#include "platform/AsciiCase.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::size_t HeaderSize = 8;
constexpr std::size_t EntrySize = 32;
constexpr std::size_t NameSize = 24;

std::string readPart(const FileSystem& files, const std::string& path, std::uint64_t offset,
                     std::size_t size) {
    std::string bytes;
    if (const IoStatus status = files.readFilePart(path, offset, size, bytes); !status) {
        throw Error(status.reason);
    }
    return bytes;
}

}  // namespace

ImgArchive::ImgArchive(const FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)) {
    const std::string header = readPart(files_, path_, 0, HeaderSize);
    ByteReader reader(header,
                      translate("ImgArchive", "не архив IMG версии 2: файл короче заголовка"));
    if (reader.take(4) != "VER2") {
        throw Error(translate("ImgArchive", "не архив IMG версии 2: нет «VER2» в начале"));
    }
    const std::uint32_t count = reader.u32();
    if (count > MaxEntries) {
        throw Error(formatText(translate("ImgArchive", "архив повреждён: в оглавлении %1 записей"),
                               {std::to_string(count)}));
    }
    // A directory cut off by the end of the file is refused before any entry is made of it.
    const std::string cut = translate("ImgArchive", "архив повреждён: оглавление обрывается");
    const std::string directory = readPart(files_, path_, HeaderSize, count * EntrySize);
    if (directory.size() < count * EntrySize) {
        throw Error(cut);
    }
    ByteReader entries(directory, cut);
    entries_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        ImgEntry entry;
        entry.offset = entries.u32() * SectorSize;
        const std::uint16_t streamingSize = entries.u16();
        const std::uint16_t archiveSize = entries.u16();
        entry.size = (streamingSize != 0 ? streamingSize : archiveSize) * SectorSize;
        entry.name = std::string(fixedName(entries.take(NameSize)));
        entries_.push_back(std::move(entry));
    }
}

const ImgEntry* ImgArchive::find(std::string_view name) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const ImgEntry& entry) {
        return equalIgnoringAsciiCase(entry.name, name);
    });
    return it != entries_.end() ? &*it : nullptr;
}

std::string ImgArchive::read(const ImgEntry& entry, std::size_t maxSize) const {
    if (entry.size > maxSize) {
        throw Error(formatText(translate("ImgArchive", "«%1» слишком велик (%2 байт)"),
                               {entry.name, std::to_string(entry.size)}));
    }
    std::string bytes = readPart(files_, path_, entry.offset, static_cast<std::size_t>(entry.size));
    if (bytes.size() < entry.size) {
        throw Error(
            formatText(translate("ImgArchive", "«%1» выходит за конец архива"), {entry.name}));
    }
    return bytes;
}

}  // namespace qv
