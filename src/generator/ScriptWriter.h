#pragma once

#include <charconv>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The suffixes of the mission's labels; every label is the label prefix followed by one.
namespace label {
inline constexpr std::string_view Trigger = "";
inline constexpr std::string_view WaitForPlayer = "_1349";
inline constexpr std::string_view WaitForFade = "_1492";
inline constexpr std::string_view MissionStart = "_000";
inline constexpr std::string_view MissionEnd = "_38";
inline constexpr std::string_view RaceBody = "_47";
inline constexpr std::string_view WaitForModels = "_111";
inline constexpr std::string_view Opponents = "_211";
inline constexpr std::string_view Events = "_651";
inline constexpr std::string_view Finish = "_2491";
inline constexpr std::string_view Failure = "_2497";
inline constexpr std::string_view Remove = "_REMOVE";
inline constexpr std::string_view EndBlock = "_2762";
}  // namespace label

// Collects the script line by line, either as lines apart or as one text with each line
// followed by a line end; lines are only ever appended. A line is written from its parts (texts
// and integers) straight into its place, so that writing it makes no string of its own. Labels
// are built here and nowhere else.
class ScriptWriter {
  public:
    // Lines apart.
    explicit ScriptWriter(std::string labelPrefix) : prefix_(std::move(labelPrefix)) {}
    // One text, each line followed by `lineEnd`.
    ScriptWriter(std::string labelPrefix, std::string_view lineEnd)
        : prefix_(std::move(labelPrefix)), lineEnd_(lineEnd), oneText_(true) {}

    // The line made of `parts` in order.
    template <typename... Parts>
    void line(const Parts&... parts) {
        std::string& target = beginLine((maxBytes(parts) + ... + 0));
        (add(target, parts), ...);
        endLine();
    }
    void lines(std::initializer_list<std::string_view> texts);
    // Room for `bytes` of one text, so that it is made in one piece rather than grown.
    void reserve(std::size_t bytes) { text_.reserve(oneText_ ? bytes : 0); }
    void empty() { line(); }
    // A line that is itself CR LF: two empty lines in the text.
    void lineBreakLine();

    // The label definition line: ":" + prefix + suffix.
    void label(std::string_view suffix);
    // `command` followed by a blank and a reference to the label, "@" + prefix + suffix, as in
    // "jf @RaceMission1_1349".
    void jump(std::string_view command, std::string_view suffix);

    std::string takeText() { return std::move(text_); }
    std::vector<std::string> takeLines() { return std::move(lines_); }

  private:
    static constexpr std::size_t IntegerBytes = 11;  // "-2147483648"

    static std::size_t maxBytes(std::string_view text) { return text.size(); }
    static std::size_t maxBytes(int) { return IntegerBytes; }
    static void add(std::string& target, std::string_view text) { target += text; }
    static void add(std::string& target, int number) {
        char digits[IntegerBytes];
        target.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    }
    // Where the next line goes, with room for `bytes` when it is a line apart.
    std::string& beginLine(std::size_t bytes);
    void endLine() { text_ += lineEnd_; }

    std::string prefix_;
    std::string_view lineEnd_;
    bool oneText_ = false;
    std::string text_;
    std::vector<std::string> lines_;
};

}  // namespace qv
