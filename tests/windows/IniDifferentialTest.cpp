// Our INI reading and writing against the Windows profile functions, on the same files. Where
// the two differ, the project's own rules win; each such difference is written down below as
// an expected one.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "../platform/TempFolder.h"
#include "model/Cp1251.h"
#include "model/IniDocument.h"

namespace qv {
namespace {

using Lines = std::vector<std::string>;

std::string fileBytes(const std::string& path) {
    std::ifstream in(test::TempFolder::native(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A list of NUL-terminated names ending in an empty one, as the enumerations give it.
Lines splitNames(const std::vector<char>& buffer) {
    Lines names;
    for (const char* name = buffer.data(); *name != '\0'; name += names.back().size() + 1) {
        names.emplace_back(name);
    }
    return names;
}

std::string cp1251(const std::string& utf8) {
    std::string bytes;
    EXPECT_FALSE(encodeCp1251(utf8, bytes));
    return bytes;
}

// One INI file handled through the profile functions. Every file gets a name of its own, so
// that nothing cached from an earlier file can answer.
class ProfileFile {
  public:
    ProfileFile(const test::TempFolder& folder, const std::string& bytes)
        : path_(folder.file("profile" + std::to_string(++count_) + ".ini")) {
        std::ofstream(test::TempFolder::native(path_), std::ios::binary) << bytes;
    }

    std::optional<std::string> value(const std::string& section, const std::string& key) const {
        constexpr const char* Missing = "\x01missing";
        std::vector<char> buffer(4096);
        GetPrivateProfileStringA(cp1251(section).c_str(), cp1251(key).c_str(), Missing,
                                 buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
        const std::string text = buffer.data();
        return text == Missing ? std::nullopt : std::optional(decodeCp1251(text));
    }

    int integer(const std::string& section, const std::string& key, int fallback) const {
        return static_cast<int>(GetPrivateProfileIntA(cp1251(section).c_str(), cp1251(key).c_str(),
                                                      fallback, path_.c_str()));
    }

    void write(const std::string& section, const std::string& key, const std::string& value) {
        ASSERT_TRUE(WritePrivateProfileStringA(cp1251(section).c_str(), cp1251(key).c_str(),
                                               cp1251(value).c_str(), path_.c_str()));
    }

    Lines sections() const { return names(nullptr); }
    Lines keys(const std::string& section) const { return names(cp1251(section).c_str()); }

    // The file as it is on the disk, once the profile functions have written it out.
    std::string bytes() const {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
        return fileBytes(path_);
    }

  private:
    Lines names(const char* section) const {
        std::vector<char> buffer(65536);
        GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path_.c_str());
        Lines names = splitNames(buffer);
        for (std::string& name : names) {
            name = decodeCp1251(name);
        }
        return names;
    }

    static inline int count_ = 0;
    std::string path_;
};

class IniDifferentialTest : public testing::Test {
  protected:
    test::TempFolder folder;
};

const std::string ReadCases =
    "[Main]\r\n"
    "plain=text\r\n"
    "  Spaced  =  \t two words \t \r\n"
    "double=\"  kept blanks  \"\r\n"
    "single='x'\r\n"
    "one-sided=\"open\r\n"
    "mixed=\"a'\r\n"
    "inner=a \"b\" c\r\n"
    "equals=a=b\r\n"
    "empty=\r\n"
    "quotesOnly=\"\"\r\n"
    "no equals sign\r\n"
    ";comment=1\r\n"
    "PLAIN=second\r\n"
    "Название=Гонка по ночному городу\r\n"
    "\r\n"
    "[ Spaced Section ]\r\n"
    "k = v\r\n"
    "[main]\r\n"
    "plain=third\r\n"
    "later=in the duplicate\r\n"
    "[Последний]\n"
    "lf=only LF\n"
    "cr=only CR\r"
    "last=no line end";

TEST_F(IniDifferentialTest, ReadsEveryValueAsTheProfileFunctionsDo) {
    const ProfileFile windows(folder, cp1251(ReadCases));
    const IniDocument ours(ReadCases);
    const std::vector<std::pair<std::string, std::string>> queries = {
        {"Main", "plain"},       {"MAIN", "Plain"},      {"Main", "spaced"},
        {"Main", "double"},      {"Main", "single"},     {"Main", "one-sided"},
        {"Main", "mixed"},       {"Main", "inner"},      {"Main", "equals"},
        {"Main", "empty"},       {"Main", "quotesOnly"}, {"Main", "no equals sign"},
        {"Main", ";comment"},    {"Main", "Название"},   {"Main", "later"},
        {"Spaced Section", "k"}, {"Последний", "lf"},    {"Последний", "cr"},
        {"Последний", "last"},   {"Other", "plain"},
    };
    for (const auto& [section, key] : queries) {
        EXPECT_EQ(ours.value(section, key), windows.value(section, key))
            << "[" << section << "] " << key;
    }
}

TEST_F(IniDifferentialTest, ReadsTheExampleProjectsAsTheProfileFunctionsDo) {
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QV_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".qvnx") {
            continue;
        }
        const std::string bytes = fileBytes(entry.path().string());
        const ProfileFile windows(folder, bytes);
        const IniDocument ours(decodeCp1251(bytes));
        for (const std::string& section : windows.sections()) {
            for (const std::string& key : windows.keys(section)) {
                EXPECT_EQ(ours.value(section, key), windows.value(section, key))
                    << entry.path() << " [" << section << "] " << key;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 50);
}

TEST_F(IniDifferentialTest, ReadsIntegersAsTheProfileFunctionsDoWhereTheyAgree) {
    for (const std::string value :
         {"-42", "+7", "0", "0x1F", " 5 ", "\"12\"", "2147483647", "-2147483648", ""}) {
        const std::string text = "[N]\r\nv=" + value + "\r\n";
        EXPECT_EQ(IniDocument(text).readInteger("N", "v", 99),
                  ProfileFile(folder, text).integer("N", "v", 99))
            << value;
    }
    EXPECT_EQ(IniDocument("").readInteger("N", "v", 99),
              ProfileFile(folder, "").integer("N", "v", 99));
}

// Expected differences: the project reads "$" and "0X" as hexadecimal and gives the default for
// a value that is not a whole number, where the profile functions read digits up to the first
// other character, give 0 for no digits and wrap around on overflow.
TEST_F(IniDifferentialTest, ReadsIntegersByTheProjectsRulesWhereTheProfileFunctionsDiffer) {
    struct Case {
        std::string value;
        int ours;
        int windows;
    };
    for (const Case& c : std::vector<Case>{{"$1A", 26, 0},
                                           {"$ff", 255, 0},
                                           {"12abc", 99, 12},
                                           {"twelve", 99, 0},
                                           {"1.5", 99, 1},
                                           {"0X1f", 31, 0},
                                           {"2147483648", 99, -2147483647 - 1}}) {
        const std::string text = "[N]\r\nv=" + c.value + "\r\n";
        EXPECT_EQ(IniDocument(text).readInteger("N", "v", 99), c.ours) << c.value;
        EXPECT_EQ(ProfileFile(folder, text).integer("N", "v", 99), c.windows) << c.value;
    }
}

// An older project file with everything a hand or another program may leave in it.
const std::string OldProject =
    "; saved by hand\r\n"
    "[Integers]\r\n"
    "  CarNum = 5 \r\n"
    "Car5Model=STALE\r\n"
    "\r\n"
    "[Cars]\r\n"
    "Car1Model=OLD\r\n"
    "car2model=OLDER\r\n"
    "\r\n"
    "[Strings]\r\n"
    "MsName=Старая гонка\r\n"
    "MsPref=OLD";

struct Write {
    std::string section, key, value;
};

const std::vector<Write> SaveOverOldProject = {
    {"Integers", "CarNum", "2"},           // updated in place
    {"Cars", "Car1Model", "ELEGY"},        // updated in place
    {"CARS", "Car2Model", "SULTAN"},       // another spelling of both names
    {"Cars", "Car3Model", "INFERNUS"},     // new key in a section followed by another
    {"Strings", "MsName", "Новая гонка"},  // Cyrillic, in the file's code page
    {"Strings", "MsNum", "7"},             // new key after a last line without a line end
    {"Others", "Traffic", "1"},            // new section
    {"Others", "Weather", "-1"},
};

// Blank lines dropped and the blanks around "=" removed, as the profile functions write a file.
std::string normalised(const std::string& text) {
    std::string result;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos) {
            continue;
        }
        const auto equals = line.find('=');
        if (equals != std::string::npos && line[first] != '[' && line[first] != ';') {
            const auto keyEnd = line.find_last_not_of(" \t", equals - 1);
            const auto valueStart = line.find_first_not_of(" \t", equals + 1);
            const auto valueEnd = line.find_last_not_of(" \t");
            line =
                line.substr(first, keyEnd - first + 1) + "=" +
                (valueStart > valueEnd ? "" : line.substr(valueStart, valueEnd - valueStart + 1));
        }
        result += line + "\r\n";
    }
    return result;
}

TEST_F(IniDifferentialTest, WritesKeysInTheSamePlacesAsTheProfileFunctions) {
    ProfileFile windows(folder, cp1251(OldProject));
    IniDocument ours(OldProject);
    for (const Write& w : SaveOverOldProject) {
        windows.write(w.section, w.key, w.value);
        ours.write(w.section, w.key, w.value);
    }
    const ProfileFile oursOnDisk(folder, cp1251(ours.text()));

    // The same sections and keys in the same order, with the same values.
    ASSERT_EQ(oursOnDisk.sections(), windows.sections());
    for (const std::string& section : windows.sections()) {
        ASSERT_EQ(oursOnDisk.keys(section), windows.keys(section)) << section;
        for (const std::string& key : windows.keys(section)) {
            EXPECT_EQ(oursOnDisk.value(section, key), windows.value(section, key)) << key;
            EXPECT_EQ(ours.value(section, key), windows.value(section, key)) << key;
        }
    }

    // Expected difference: the profile functions rewrite the whole file normalised, where we
    // keep every line the save does not touch byte for byte.
    EXPECT_EQ(ours.text(),
              "; saved by hand\r\n"
              "[Integers]\r\n"
              "CarNum=2\r\n"
              "Car5Model=STALE\r\n"
              "\r\n"
              "[Cars]\r\n"
              "Car1Model=ELEGY\r\n"
              "car2model=SULTAN\r\n"
              "Car3Model=INFERNUS\r\n"
              "\r\n"
              "[Strings]\r\n"
              "MsName=Новая гонка\r\n"
              "MsPref=OLD\r\n"
              "MsNum=7\r\n"
              "[Others]\r\n"
              "Traffic=1\r\n"
              "Weather=-1\r\n");
    EXPECT_EQ(decodeCp1251(windows.bytes()), normalised(ours.text()));
}

// Expected difference: a value with blanks at its ends, or enclosed in quotes, is written by us
// inside double quotes, so that it reads back as it was (the profile functions included);
// written raw by the profile functions, it loses them.
TEST_F(IniDifferentialTest, ValuesWithBlanksOrQuotesReadBackOnlyFromOurFiles) {
    for (const std::string value : {" lead", "trail\t", "\"quoted\"", "'single'"}) {
        ProfileFile windows(folder, "");
        windows.write("S", "k", value);
        IniDocument ours;
        ours.write("S", "k", value);
        EXPECT_EQ(ProfileFile(folder, ours.text()).value("S", "k"), value);
        EXPECT_NE(windows.value("S", "k"), value);
    }
}

}  // namespace
}  // namespace qv
