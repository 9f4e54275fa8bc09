#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qv {

// An INI file read and written the way the Windows profile functions do it, so that projects
// stay exchangeable with programs built on them:
// - a line "[name]" opens a section; "key=value" is an entry, the key being the text before the
//   first "=" and the value the text after it; every other line is kept but means nothing;
// - section and key names are compared without case (ASCII letters), and the first of two
//   sections or keys of the same name is the one that counts;
// - a value read loses the blanks and TABs around it and one pair of enclosing double or
//   single quotes;
// - writing a key updates its line in place, adds a new key after the last line of its section
//   and a new section at the end of the file; every other line stays byte for byte as it was.
// CR LF, LF and CR all end a line; new lines end in CR LF. The text is UTF-8 (the caller
// converts from and to the file's code page).
class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The value as the profile functions return it; nullopt when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& fallback) const;
    // Decimal, or hexadecimal after 0x, 0X or $, with an optional sign; `fallback` when the key
    // is missing or its value is not such a number.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // On when the integer value is not 0.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Sets the key's value. A value that would not read back as written (blanks or TABs at an
    // end, or enclosed in a pair of quotes) is written inside double quotes, which reading
    // removes again. A value holding a line break is refused with Error.
    void write(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // The whole file.
    std::string text() const;

  private:
    struct Line {
        std::string content;
        std::string ending;  // "\r\n", "\n", "\r", or empty for a last line without one
    };
    struct Section {
        Line header;
        std::vector<Line> lines;
        std::unordered_map<std::string, std::size_t> keys;  // folded key -> first entry's line
    };

    Section& sectionFor(std::string_view name);
    void indexEntry(Section& section, std::size_t lineIndex);

    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;  // folded name -> first section
};

// Parses an integer the way the profile reader does; nullopt when `text` is not one.
std::optional<int> parseProfileInteger(std::string_view text);

}  // namespace qv
