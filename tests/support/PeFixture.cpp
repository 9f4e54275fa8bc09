#include "PeFixture.h"

namespace qv::test {
namespace {

constexpr std::size_t PeHeader = 0x40;
constexpr std::size_t FileAlignment = 0x200;
constexpr std::uint32_t ResourceAddress = 0x1000;
constexpr std::uint32_t Subdirectory = 0x80000000;

// The resource directory: root, name and language directories of one entry each, then the
// data entry and the version information.
constexpr std::size_t NameDirectory = 0x18;
constexpr std::size_t LanguageDirectory = 0x30;
constexpr std::size_t DataEntry = 0x48;
constexpr std::size_t VersionInfo = 0x58;
constexpr std::size_t VersionInfoSize = 6 + 32 + 2 + 52;

}  // namespace

void PeFixture::put16(std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

void PeFixture::put32(std::size_t offset, std::uint32_t value) {
    put16(offset, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(offset + 2, static_cast<std::uint16_t>(value >> 16));
}

PeFixture peWithVersion(const ProgramVersion& version, bool pe32Plus) {
    const std::size_t optionalSize = pe32Plus ? 240 : 224;
    const std::size_t directoryCount = pe32Plus ? 108 : 92;
    const std::size_t optional = PeHeader + 24;
    const std::size_t sectionTable = optional + optionalSize;
    const std::size_t resourceSize = VersionInfo + VersionInfoSize;

    PeFixture pe;
    pe.resources = FileAlignment;
    pe.versionInfo = pe.resources + VersionInfo;
    pe.bytes.assign(2 * FileAlignment, '\0');
    pe.bytes.replace(0, 2, "MZ");
    pe.put32(0x3C, PeHeader);
    pe.bytes.replace(PeHeader, 4, std::string("PE\0\0", 4));
    pe.put16(PeHeader + 4, pe32Plus ? 0x8664 : 0x14C);
    pe.put16(PeHeader + 6, 1);  // one section
    pe.put16(PeHeader + 20, static_cast<std::uint16_t>(optionalSize));
    pe.put16(PeHeader + 22, 0x0102);  // an executable
    pe.put16(optional, pe32Plus ? 0x20B : 0x10B);
    pe.put32(optional + directoryCount, 16);
    pe.put32(optional + directoryCount + 4 + 2 * 8, ResourceAddress);
    pe.put32(optional + directoryCount + 4 + 2 * 8 + 4, resourceSize);

    pe.bytes.replace(sectionTable, 5, ".rsrc");
    pe.put32(sectionTable + 8, resourceSize);
    pe.put32(sectionTable + 12, ResourceAddress);
    pe.put32(sectionTable + 16, FileAlignment);
    pe.put32(sectionTable + 20, static_cast<std::uint32_t>(pe.resources));

    const std::size_t r = pe.resources;
    const auto directory = [&](std::size_t at, std::uint32_t id, std::uint32_t target) {
        pe.put16(r + at + 14, 1);  // one entry by id
        pe.put32(r + at + 16, id);
        pe.put32(r + at + 20, target);
    };
    directory(0, 16, Subdirectory | NameDirectory);  // RT_VERSION
    directory(NameDirectory, 1, Subdirectory | LanguageDirectory);
    directory(LanguageDirectory, 0x409, DataEntry);
    pe.put32(r + DataEntry, ResourceAddress + VersionInfo);
    pe.put32(r + DataEntry + 4, VersionInfoSize);

    const std::size_t v = pe.versionInfo;
    pe.put16(v, VersionInfoSize);
    pe.put16(v + 2, 52);
    const std::string key = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < key.size(); ++i) {
        pe.bytes[v + 6 + 2 * i] = key[i];
    }
    const std::size_t fixed = v + 40;
    pe.put32(fixed, 0xFEEF04BD);
    pe.put32(fixed + 4, 0x10000);
    pe.put32(fixed + 8, std::uint32_t{version.major} << 16 | version.minor);
    pe.put32(fixed + 12, std::uint32_t{version.patch} << 16 | version.build);
    pe.put32(fixed + 16, std::uint32_t{version.major} << 16 | version.minor);
    pe.put32(fixed + 20, std::uint32_t{version.patch} << 16 | version.build);
    pe.put32(fixed + 24, 0x3F);
    pe.put32(fixed + 32, 0x40004);  // VOS_NT_WINDOWS32
    pe.put32(fixed + 36, 1);        // VFT_APP
    return pe;
}

}  // namespace qv::test
