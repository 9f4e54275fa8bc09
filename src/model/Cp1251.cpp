#include "model/Cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

#include "model/Error.h"
#include "platform/Translation.h"

namespace qv {

namespace {

// Bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order (А to я).
constexpr std::array<char16_t, 64> HighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};
constexpr char32_t CyrillicA = 0x0410;

char32_t characterOf(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte < 0xC0) {
        return HighTable[byte - 0x80];
    }
    return CyrillicA + (byte - 0xC0);
}

std::optional<unsigned char> byteOf(char32_t character) {
    if (character < 0x80) {
        return static_cast<unsigned char>(character);
    }
    if (character >= CyrillicA && character < CyrillicA + 64) {
        return static_cast<unsigned char>(0xC0 + (character - CyrillicA));
    }
    for (std::size_t i = 0; i < HighTable.size(); ++i) {
        if (HighTable[i] == character) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(leads[tail] | (c >> (6 * tail)));
    for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6) {
        out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
    }
}

// The character at `pos` of a UTF-8 text and its length in bytes; nullopt for a broken,
// overlong or surrogate sequence.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    std::size_t count = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        count = 2, c = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        count = 3, c = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        count = 4, c = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + count > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < count; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    length = count;
    return c;
}

std::string describe(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    std::string glyph;
    if (character >= 0xA0) {  // no glyph for a control character
        glyph = "\"";
        appendUtf8(glyph, character);
        glyph += "\" ";
    }
    return formatText(translate("Cp1251", "Символ %1(%2) нельзя записать в кодировке Windows-1251"),
                      {glyph, code});
}

}  // namespace

std::string decodeCp1251(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char byte : bytes) {
        appendUtf8(text, characterOf(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::optional<Cp1251Failure> encodeCp1251(std::string_view utf8, std::string& bytes) {
    bytes.clear();
    bytes.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        const auto character = nextCharacter(utf8, pos, length);
        const auto byte = character ? byteOf(*character) : std::nullopt;
        if (!byte) {
            return Cp1251Failure{pos, character};
        }
        bytes += static_cast<char>(*byte);
        pos += length;
    }
    return std::nullopt;
}

std::string encodeCp1251File(std::string_view utf8, const std::string& path) {
    std::string bytes;
    const auto failure = encodeCp1251(utf8, bytes);
    if (!failure) {
        return bytes;
    }
    std::size_t lineNumber = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < failure->offset; ++i) {
        // CR LF, a lone CR and a lone LF each end one line.
        if (utf8[i] == '\n' || (utf8[i] == '\r' && utf8[i + 1] != '\n')) {
            ++lineNumber;
            lineStart = i + 1;
        }
    }
    const std::string where = formatText(translate("Cp1251", "файл \"%1\", строка %2"),
                                         {path, std::to_string(lineNumber)});
    if (!failure->character) {
        throw Error(formatText(translate("Cp1251", "Неверная последовательность байтов UTF-8: %1"),
                               {where}));
    }
    std::string_view line = utf8.substr(lineStart);
    line = line.substr(0, line.find_first_of("\r\n"));
    line.remove_prefix(std::min(line.find_first_not_of('\t'), line.size()));
    throw Error(describe(*failure->character) + ": " + where + ": " + std::string(line));
}

}  // namespace qv
