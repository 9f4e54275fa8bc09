#include "gamedata/PeVersion.h"

#include <algorithm>
#include <vector>

#include "gamedata/ByteReader.h"
#include "model/Error.h"

namespace qv {
namespace {

// Larger than any build of a script compiler; a larger file is not one.
constexpr std::uint64_t LargestProgram = 64u << 20;

constexpr std::size_t NewHeaderPointer = 0x3C;
constexpr std::uint16_t Pe32Magic = 0x10B;
constexpr std::uint16_t Pe32PlusMagic = 0x20B;
// Where the optional header's count of data directories lies, the directories following it.
constexpr std::size_t Pe32DirectoryCount = 92;
constexpr std::size_t Pe32PlusDirectoryCount = 108;
constexpr std::uint32_t ResourceDirectory = 2;
constexpr std::uint32_t VersionResourceType = 16;  // RT_VERSION
constexpr std::uint32_t SubdirectoryFlag = 0x80000000;
constexpr std::uint32_t FixedInfoSignature = 0xFEEF04BD;
constexpr std::size_t FixedInfoSize = 52;
// L"VS_VERSION_INFO" with its NUL, in UTF-16LE.
constexpr std::string_view VersionKey{"V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0\0\0", 32};

// Thrown, and caught below, for bytes that break the format; never shown.
const std::string Damaged = "damaged";

struct Section {
    std::uint32_t address = 0;  // relative to the image's base
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

// The headers and section table of a PE image, read on construction (Error on damage).
class PeImage {
  public:
    explicit PeImage(std::string_view bytes) : bytes_(bytes) {
        ByteReader reader(bytes_, Damaged);
        if (reader.take(2) != "MZ") {
            return;
        }
        reader.seek(NewHeaderPointer);
        reader.seek(reader.u32());
        if (reader.take(4) != std::string_view("PE\0\0", 4)) {
            return;
        }
        reader.skip(2);  // the machine
        const std::uint16_t sectionCount = reader.u16();
        reader.skip(12);
        const std::uint16_t optionalSize = reader.u16();
        reader.skip(2);
        const std::size_t optionalStart = reader.position();

        const std::uint16_t magic = reader.u16();
        const std::size_t countAt = magic == Pe32Magic       ? Pe32DirectoryCount
                                    : magic == Pe32PlusMagic ? Pe32PlusDirectoryCount
                                                             : 0;
        const std::size_t directoriesEnd = countAt + 4 + 8 * (ResourceDirectory + 1);
        if (countAt == 0 || optionalSize < directoriesEnd) {
            return;
        }
        reader.seek(optionalStart + countAt);
        if (reader.u32() <= ResourceDirectory) {
            return;
        }
        reader.skip(8 * ResourceDirectory);
        const std::uint32_t resourceAddress = reader.u32();
        const std::uint32_t resourceSize = reader.u32();

        reader.seek(optionalStart + optionalSize);
        for (std::uint16_t i = 0; i < sectionCount; ++i) {
            reader.skip(12);  // the name and the size in memory
            Section section;
            section.address = reader.u32();
            section.rawSize = reader.u32();
            section.rawOffset = reader.u32();
            reader.skip(16);
            sections_.push_back(section);
        }
        if (resourceSize != 0) {
            resourceAddress_ = resourceAddress;
        }
    }

    // The resource section's bytes from its root directory on; empty when there is none. The
    // directory's offsets reach as far as its section's data does.
    std::string_view resources() const {
        return resourceAddress_ == 0 ? std::string_view() : at(resourceAddress_, 0, true);
    }

    // The `size` bytes at `address` in the loaded image, as the file holds them; with
    // `toSectionEnd`, all of its section's data from there on.
    std::string_view at(std::uint32_t address, std::uint32_t size, bool toSectionEnd) const {
        for (const Section& section : sections_) {
            if (address < section.address || address - section.address >= section.rawSize) {
                continue;
            }
            const std::uint32_t into = address - section.address;
            const std::uint64_t available = section.rawSize - into;
            const std::uint64_t wanted = toSectionEnd ? available : size;
            const std::uint64_t start = std::uint64_t{section.rawOffset} + into;
            if (wanted > available || start > bytes_.size() || wanted > bytes_.size() - start) {
                throw Error(Damaged);
            }
            return bytes_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(wanted));
        }
        throw Error(Damaged);
    }

  private:
    std::string_view bytes_;
    std::vector<Section> sections_;
    std::uint32_t resourceAddress_ = 0;  // 0: none
};

// The target of the first entry of the resource directory at `offset` whose id is `id` (any
// entry when there is no id), or nothing. The target is a directory or data entry, whichever
// `subdirectory` asks for; an entry of the other kind is damage.
std::optional<std::uint32_t> entryOf(std::string_view resources, std::uint32_t offset,
                                     std::optional<std::uint32_t> id, bool subdirectory) {
    ByteReader reader(resources, Damaged);
    reader.seek(offset);
    reader.skip(12);
    const std::uint32_t count = std::uint32_t{reader.u16()} + reader.u16();
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t name = reader.u32();
        const std::uint32_t target = reader.u32();
        // Named entries carry the flag in their name; an id is a plain number.
        if (id && ((name & SubdirectoryFlag) != 0 || name != *id)) {
            continue;
        }
        if (((target & SubdirectoryFlag) != 0) != subdirectory) {
            throw Error(Damaged);
        }
        return target & ~SubdirectoryFlag;
    }
    return std::nullopt;
}

std::optional<ProgramVersion> fixedFileVersion(std::string_view info) {
    ByteReader reader(info, Damaged);
    const std::uint16_t length = reader.u16();
    const std::uint16_t valueLength = reader.u16();
    reader.skip(2);  // the type
    if (length > info.size() || reader.take(VersionKey.size()) != VersionKey ||
        valueLength < FixedInfoSize) {
        return std::nullopt;
    }
    reader.seek((reader.position() + 3) & ~std::size_t{3});
    ByteReader fixed(reader.take(FixedInfoSize), Damaged);
    if (fixed.u32() != FixedInfoSignature) {
        return std::nullopt;
    }
    fixed.skip(4);  // the structure's version
    const std::uint32_t high = fixed.u32();
    const std::uint32_t low = fixed.u32();
    return ProgramVersion{
        static_cast<std::uint16_t>(high >> 16), static_cast<std::uint16_t>(high & 0xFFFF),
        static_cast<std::uint16_t>(low >> 16), static_cast<std::uint16_t>(low & 0xFFFF)};
}

std::optional<ProgramVersion> versionIn(std::string_view image) {
    const PeImage pe(image);
    const std::string_view resources = pe.resources();
    if (resources.empty()) {
        return std::nullopt;
    }
    // Three levels: the type, the resource's name, its language; the first of each will do.
    const auto names = entryOf(resources, 0, VersionResourceType, true);
    const auto languages = names ? entryOf(resources, *names, std::nullopt, true) : std::nullopt;
    const auto data =
        languages ? entryOf(resources, *languages, std::nullopt, false) : std::nullopt;
    if (!data) {
        return std::nullopt;
    }
    ByteReader entry(resources, Damaged);
    entry.seek(*data);
    const std::uint32_t address = entry.u32();
    const std::uint32_t size = entry.u32();
    return fixedFileVersion(pe.at(address, size, false));
}

}  // namespace

std::string versionText(const ProgramVersion& version) {
    std::string text = std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
                       std::to_string(version.patch);
    if (version.build != 0) {
        text += "." + std::to_string(version.build);
    }
    return text;
}

std::optional<ProgramVersion> peFileVersion(std::string_view image) {
    try {
        return versionIn(image);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<ProgramVersion> readProgramVersion(const FileSystem& files, const std::string& path) {
    std::string bytes;
    if (!files.readFile(path, bytes, LargestProgram)) {
        return std::nullopt;
    }
    return peFileVersion(bytes);
}

}  // namespace qv
