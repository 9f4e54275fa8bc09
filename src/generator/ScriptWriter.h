#pragma once

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

// Collects the script line by line; lines are only ever appended. Labels are built here and
// nowhere else.
class ScriptWriter {
  public:
    explicit ScriptWriter(std::string labelPrefix) : prefix_(std::move(labelPrefix)) {}

    void line(std::string text) { lines_.push_back(std::move(text)); }
    void lines(std::initializer_list<std::string_view> texts);
    void empty() { lines_.emplace_back(); }
    // A line that is itself CR LF: two empty lines in the text.
    void lineBreakLine();

    // The label definition line: ":" + prefix + suffix.
    void label(std::string_view suffix);
    // A label reference: "@" + prefix + suffix.
    std::string ref(std::string_view suffix) const;
    // `command` followed by a blank and the reference, as in "jf @RaceMission1_1349".
    void jump(std::string_view command, std::string_view suffix);

    std::vector<std::string> take() { return std::move(lines_); }

  private:
    std::string prefix_;
    std::vector<std::string> lines_;
};

}  // namespace qv
