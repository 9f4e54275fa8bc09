#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/TextTree.h"

namespace qv {

// The line form of a tree in the project's companion files: every node in pre-order, one line
// each, as many TABs as its level, then its text, then CR LF.
//
// Reading counts each leading TAB or blank as one level, so a text that itself begins with a
// blank or a TAB would come back at another level, or not at all. The writer therefore puts
// the escape character U+001B (ESC) in front of such a text, and in front of a text that
// begins with ESC itself; the reader drops one ESC that follows the indentation. ESC is no
// blank, so programs that do not know it still read the line at its level (with the ESC in
// the text), and a file without ESC reads exactly as before. Every other text is written as
// it stands. Texts holding a line break cannot be written and are refused.
inline constexpr char TreeTextEscape = '\x1B';

// The file text (UTF-8) of the top-level nodes of `tree` and their descendants.
std::string treeText(const TextTree& tree);

// The top-level nodes that `text` describes. Lines end in CR LF, a lone CR or a lone LF; a
// last line without an ending counts. The first line is the first top-level node whatever its
// indentation; a line whose level is more than one below the line before it throws Error
// naming the level, the line's number and text, and `path`, the file the text was read from.
// An empty text gives no nodes.
std::vector<std::unique_ptr<TreeNode>> readTreeText(std::string_view text, const std::string& path);

}  // namespace qv
