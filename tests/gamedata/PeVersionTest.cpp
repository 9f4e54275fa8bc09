#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "NativePath.h"
#include "PeFixture.h"
#include "gamedata/PeVersion.h"

namespace qv {
namespace {

using test::peWithVersion;

TEST(PeVersion, ReadsTheFileVersionOf32And64BitPrograms) {
    EXPECT_EQ(peFileVersion(peWithVersion({4, 1, 0, 0}).bytes), (ProgramVersion{4, 1, 0, 0}));
    EXPECT_EQ(peFileVersion(peWithVersion({3, 50, 2, 7}, true).bytes),
              (ProgramVersion{3, 50, 2, 7}));
    EXPECT_EQ(versionText({4, 1, 0, 0}), "4.1.0");
    EXPECT_EQ(versionText({3, 5, 0, 12}), "3.5.0.12");
    EXPECT_LT((ProgramVersion{2, 99, 9, 9}), (ProgramVersion{3, 0, 0, 0}));
    EXPECT_LT((ProgramVersion{3, 9, 0, 0}), (ProgramVersion{3, 10, 0, 0}));
}

TEST(PeVersion, WhatIsNoProgramOrCutShortHasNoVersion) {
    for (const std::string& bytes :
         {std::string(), std::string("MZ"),
          std::string("\x7F"
                      "ELF\x02\x01\x01",
                      7),
          std::string("sanny.exe is a text file now\r\n"), std::string(4096, '\0')}) {
        EXPECT_EQ(peFileVersion(bytes), std::nullopt) << bytes;
    }
    // Cut anywhere before the end of its version information, a program tells no version.
    const test::PeFixture pe = peWithVersion({4, 1, 0, 0});
    const std::size_t versionEnd = pe.versionInfo + 92;
    for (std::size_t size = 0; size < versionEnd; ++size) {
        EXPECT_EQ(peFileVersion(std::string_view(pe.bytes).substr(0, size)), std::nullopt) << size;
    }
}

TEST(PeVersion, DamagedHeadersOrResourceDirectoryGiveNoVersion) {
    const test::PeFixture sound = peWithVersion({4, 1, 0, 0});
    const std::size_t r = sound.resources;
    const std::size_t sections = 0x40 + 24 + 224;
    struct Damage {
        const char* what;
        std::size_t offset;
        std::uint32_t value;
        bool wide;
        std::size_t alsoOffset = 0;  // a second number changed, when not 0
        std::uint32_t alsoValue = 0;
    };
    for (const Damage& damage : std::initializer_list<Damage>{
             {"PE header beyond the file", 0x3C, 0xFFFFFFF0, true},
             {"unknown optional header", 0x40 + 24, 0x1234, false},
             {"optional header too short for the directories", 0x40 + 20, 64, false},
             {"65535 sections", 0x40 + 6, 0xFFFF, false},
             {"section data beyond the file", sections + 20, 0x7FFFFFF0, true},
             {"section larger than the file", sections + 16, 0xFFFFFFFF, true},
             {"resource address in no section", 0x40 + 24 + 92 + 4 + 16, 0x9000, true},
             {"65535 named and 65535 numbered types, none of them a version", r + 12, 0xFFFFFFFF,
              true, r + 16, 17},
             {"type directory beyond the section", r + 20, 0x8000FFF0, true},
             {"type entry that is data, not a directory", r + 20, 0x18, true},
             {"language entry that is a directory", r + 0x30 + 20, 0x80000000, true},
             {"type directory pointing back at the root", r + 20, 0x80000000, true},
             {"data beyond the section", r + 0x48 + 4, 0x10000, true},
             {"data in no section", r + 0x48, 0x50000, true},
             {"version information longer than its data", sound.versionInfo, 0xFFFF, false},
             {"fixed information too short", sound.versionInfo + 2, 20, false},
             {"another key", sound.versionInfo + 6, 'X', false},
             {"wrong signature", sound.versionInfo + 40, 0xFEEF04BE, true}}) {
        test::PeFixture damaged = sound;
        if (damage.wide) {
            damaged.put32(damage.offset, damage.value);
        } else {
            damaged.put16(damage.offset, static_cast<std::uint16_t>(damage.value));
        }
        if (damage.alsoOffset != 0) {
            damaged.put32(damage.alsoOffset, damage.alsoValue);
        }
        EXPECT_EQ(peFileVersion(damaged.bytes), std::nullopt) << damage.what;
    }
    // Any one byte changed is read without reading past the bytes (the sanitizers watch).
    for (std::size_t at = 0; at < sound.bytes.size(); ++at) {
        for (const char value : {'\0', '\xFF', '\x80'}) {
            std::string bytes = sound.bytes;
            bytes[at] = value;
            const auto version = peFileVersion(bytes);
            EXPECT_TRUE(!version || version->major == 4 || at >= sound.versionInfo) << at;
        }
    }
}

TEST(PeVersion, ProgramThatCannotBeReadHasNoVersion) {
    test::FakeFileSystem files;
    const std::string path = test::native("/sb/sanny.exe");
    EXPECT_EQ(readProgramVersion(files, path), std::nullopt);  // missing
    files.devices.insert(path);
    EXPECT_EQ(readProgramVersion(files, path), std::nullopt);
    files.devices.clear();
    files.files[path] = peWithVersion({4, 0, 1, 0}).bytes;
    EXPECT_EQ(readProgramVersion(files, path), (ProgramVersion{4, 0, 1, 0}));
}

}  // namespace
}  // namespace qv
