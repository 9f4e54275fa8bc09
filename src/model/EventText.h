#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Entries.h"

namespace qv {

// The lines of a multi-line text field as the field counts them: CR LF, LF or CR end a line,
// and an empty last line after a final line break is not a line.
std::vector<std::string> textLines(std::string_view text);

// The tests of the event editor, in order: at most 6 condition lines (blank ones included),
// conditions not empty, actions not empty. Throws Error with the message of the first that fails.
void checkEventText(std::string_view conditions, std::string_view actions);

// The event the editor's texts describe: the kind, and the non-empty lines in order.
EventEntry eventFromText(std::string kind, std::string_view conditions, std::string_view actions);

// The editor's text for a list of lines: each line followed by a line break but the last.
std::string linesText(const std::vector<std::string>& lines);

}  // namespace qv
