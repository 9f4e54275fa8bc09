#include "model/ProjectText.h"

#include <algorithm>

#include "model/Cp1251.h"
#include "model/Error.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence that starts with `lead`; 0 for a byte no sequence starts with.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Whether `bytes` are valid UTF-8 (overlong forms above two bytes are let through: they only
// decide how a text is decoded, and a Windows-1251 text never looks like one).
bool isUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = sequenceLength(static_cast<unsigned char>(bytes[at]));
        if (length == 0 || at + length > bytes.size()) {
            return false;
        }
        for (std::size_t next = 1; next < length; ++next) {
            if ((static_cast<unsigned char>(bytes[at + next]) & 0xC0) != 0x80) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

bool hasNonAscii(std::string_view bytes) {
    return std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The lines of `bytes` at least: CR LF, a lone CR and a lone LF each end one.
std::size_t lineCount(std::string_view bytes) {
    return std::max(std::ranges::count(bytes, '\n'), std::ranges::count(bytes, '\r'));
}

// What `bytes` look like when they cannot be a project's text; empty when they can.
std::string damage(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return translate("ProjectText", "текст в кодировке UTF-16");
    }
    if (const std::size_t lines = lineCount(bytes); lines > MostProjectFileLines) {
        return formatText(translate("ProjectText", "%1 строк, а в проекте их не бывает больше %2"),
                          {std::to_string(lines), std::to_string(MostProjectFileLines)});
    }
    return {};
}

}  // namespace

bool readsAsUtf8(std::string_view bytes) {
    return hasNonAscii(bytes) && isUtf8(bytes);
}

std::string notAProjectMessage(const std::string& path, const std::string& looks) {
    return formatText(translate("ProjectText", "Файл \"%1\" не является проектом гонки (%2)"),
                      {path, looks});
}

std::string keylessLooks(std::string_view bytes) {
    if (bytes.empty()) {
        return translate("ProjectText", "файл пуст");
    }
    if (bytes.find('\0') != std::string_view::npos) {
        return translate("ProjectText",
                         "двоичные данные: в нём нулевые байты и ни одного ключа проекта");
    }
    return translate("ProjectText", "в нём нет ни одного ключа проекта");
}

std::string projectFileText(std::string_view bytes, const std::string& path) {
    if (const std::string looks = damage(bytes); !looks.empty()) {
        throw Error(notAProjectMessage(path, looks));
    }
    const bool marked = bytes.starts_with(Utf8Mark);
    const std::string_view text = marked ? bytes.substr(Utf8Mark.size()) : bytes;
    if ((marked || hasNonAscii(text)) && isUtf8(text)) {
        // Taken as UTF-8 only when Windows-1251 holds every character and those bytes would not
        // read as UTF-8 again: otherwise it is Windows-1251 that happens to look like UTF-8, and
        // read as such, whatever is saved reads back as it was.
        std::string saved;
        if (!encodeCp1251(text, saved) && !readsAsUtf8(saved)) {
            return std::string(text);
        }
    }
    return decodeCp1251(bytes);
}

}  // namespace qv
