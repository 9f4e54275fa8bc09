#include "model/TreeTextFile.h"

#include "model/Error.h"
#include "platform/Translation.h"

namespace qv {

namespace {

bool needsEscape(std::string_view text) {
    return !text.empty() &&
           (text.front() == ' ' || text.front() == '\t' || text.front() == TreeTextEscape);
}

}  // namespace

std::string treeText(const TextTree& tree) {
    std::string text;
    tree.forEachPreOrder([&text](const TreeNode& node, int level) {
        const std::string& nodeText = node.text();
        if (nodeText.find_first_of("\r\n") != std::string::npos) {
            throw Error(formatText(
                translate("TreeTextFile",
                          "Текст узла \"%1\" содержит перевод строки и не может быть записан"),
                {nodeText.substr(0, nodeText.find_first_of("\r\n"))}));
        }
        text.append(static_cast<std::size_t>(level), '\t');
        if (needsEscape(nodeText)) {
            text += TreeTextEscape;
        }
        text += nodeText;
        text += "\r\n";
    });
    return text;
}

std::vector<std::unique_ptr<TreeNode>> readTreeText(std::string_view text,
                                                    const std::string& path) {
    TextTree tree;
    TreeNode* last = nullptr;
    int lastLevel = 0;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const auto end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos) {
            text = {};
        } else {
            const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            text.remove_prefix(end + (crLf ? 2 : 1));
        }

        const auto indent = std::min(line.find_first_not_of(" \t"), line.size());
        const int level = static_cast<int>(indent);
        line.remove_prefix(indent);
        if (!line.empty() && line.front() == TreeTextEscape) {
            line.remove_prefix(1);
        }
        std::string nodeText(line);

        if (last == nullptr) {
            last = &tree.append(nullptr, std::move(nodeText));
            lastLevel = 0;
            continue;
        }
        if (level > lastLevel + 1) {
            throw Error(formatText(translate("TreeTextFile",
                                             "Неверный уровень (%1) в строке %2 файла \"%3\": "
                                             "«%4»; допускается от 0 до %5"),
                                   {std::to_string(level), std::to_string(lineNumber), path,
                                    nodeText, std::to_string(lastLevel + 1)}));
        }
        // The new node's parent: the node before it for a deeper line, else the ancestor one
        // level above the line's level (the top level for level 0).
        TreeNode* parent = last;
        for (int up = lastLevel + 1 - level; up > 0; --up) {
            parent = parent->parent();
        }
        last = &tree.append(parent, std::move(nodeText));
        lastLevel = level;
    }
    return tree.takeNodes();
}

}  // namespace qv
