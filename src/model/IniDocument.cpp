#include "model/IniDocument.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "model/Error.h"
#include "platform/AsciiCase.h"
#include "platform/Translation.h"

namespace qv {

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view LineEnd = "\r\n";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

std::string folded(std::string_view name) {
    std::string result(name);
    std::ranges::transform(result, result.begin(), asciiLower);
    return result;
}

// The section name of a header line, or nullopt for any other line. The name runs from "[" to
// "]" (or to the end of the line when there is none).
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

// The key of an entry line, or the empty text for a line that is no entry.
std::string_view entryKey(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : trim(line.substr(0, equals));
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(Blanks) == std::string_view::npos;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

std::string_view unquoted(std::string_view value) {
    value = trim(value);
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::string quotedIfNeeded(std::string_view value) {
    const bool needsQuotes =
        !value.empty() &&
        (Blanks.find(value.front()) != std::string_view::npos ||
         Blanks.find(value.back()) != std::string_view::npos ||
         (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front()));
    return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

std::optional<int> parseProfileInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16, text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        base = 16, text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    std::uint32_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (base == 10 && magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) {
        return std::nullopt;
    }
    // A hexadecimal value is a 32-bit pattern: $FFFFFFFF is -1.
    const std::uint32_t bits = negative ? 0u - magnitude : magnitude;
    return static_cast<int>(static_cast<std::int32_t>(bits));
}

IniDocument::IniDocument(std::string_view text) {
    while (!text.empty()) {
        const auto end = text.find_first_of(LineEnd);
        Line line{std::string(text.substr(0, end)), {}};
        if (end != std::string_view::npos) {
            const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            line.ending = text.substr(end, crLf ? 2 : 1);
        }
        text.remove_prefix(line.content.size() + line.ending.size());

        if (const auto name = sectionName(line.content)) {
            sectionIndex_.emplace(folded(*name), sections_.size());
            sections_.push_back({std::move(line), {}, {}});
        } else if (sections_.empty()) {
            preamble_.push_back(std::move(line));
        } else {
            Section& section = sections_.back();
            section.lines.push_back(std::move(line));
            indexEntry(section, section.lines.size() - 1);
        }
    }
}

void IniDocument::indexEntry(Section& section, std::size_t lineIndex) {
    const std::string_view key = entryKey(section.lines[lineIndex].content);
    if (!key.empty()) {
        section.keys.emplace(folded(key), lineIndex);
    }
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto found = sectionIndex_.find(folded(section));
    if (found == sectionIndex_.end()) {
        return std::nullopt;
    }
    const Section& s = sections_[found->second];
    const auto entry = s.keys.find(folded(key));
    if (entry == s.keys.end()) {
        return std::nullopt;
    }
    const std::string& line = s.lines[entry->second].content;
    return std::string(unquoted(std::string_view(line).substr(line.find('=') + 1)));
}

std::string IniDocument::readString(std::string_view section, std::string_view key,
                                    const std::string& fallback) const {
    return value(section, key).value_or(fallback);
}

int IniDocument::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto text = value(section, key);
    return text ? parseProfileInteger(*text).value_or(fallback) : fallback;
}

bool IniDocument::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

IniDocument::Section& IniDocument::sectionFor(std::string_view name) {
    const auto found = sectionIndex_.find(folded(name));
    if (found != sectionIndex_.end()) {
        return sections_[found->second];
    }
    // A new section goes at the end of the file, after a line break if the last line has none.
    Line* last = !sections_.empty()
                     ? (sections_.back().lines.empty() ? &sections_.back().header
                                                       : &sections_.back().lines.back())
                     : (preamble_.empty() ? nullptr : &preamble_.back());
    if (last != nullptr && last->ending.empty()) {
        last->ending = LineEnd;
    }
    sectionIndex_.emplace(folded(name), sections_.size());
    sections_.push_back({{"[" + std::string(name) + "]", std::string(LineEnd)}, {}, {}});
    return sections_.back();
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of(LineEnd) != std::string_view::npos) {
        throw Error(formatText(translate("IniDocument",
                                         "Значение ключа %1 раздела [%2] содержит "
                                         "перевод строки и не может быть записано"),
                               {key, section}));
    }
    Section& s = sectionFor(section);
    const auto entry = s.keys.find(folded(key));
    if (entry != s.keys.end()) {
        Line& line = s.lines[entry->second];
        line.content = std::string(entryKey(line.content)) + "=" + quotedIfNeeded(value);
        return;
    }
    // After the section's last line that is not blank; blank lines before the next section
    // stay where they are.
    std::size_t position = s.lines.size();
    while (position > 0 && isBlank(s.lines[position - 1].content)) {
        --position;
    }
    Line& before = position > 0 ? s.lines[position - 1] : s.header;
    if (before.ending.empty()) {
        before.ending = LineEnd;
    }
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(position),
                   {std::string(key) + "=" + quotedIfNeeded(value), std::string(LineEnd)});
    indexEntry(s, position);
}

void IniDocument::writeInteger(std::string_view section, std::string_view key, int value) {
    write(section, key, std::to_string(value));
}

void IniDocument::writeBool(std::string_view section, std::string_view key, bool value) {
    write(section, key, value ? "1" : "0");
}

std::string IniDocument::text() const {
    std::string result;
    const auto append = [&result](const Line& line) {
        result += line.content;
        result += line.ending;
    };
    for (const Line& line : preamble_) {
        append(line);
    }
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.lines) {
            append(line);
        }
    }
    return result;
}

}  // namespace qv
