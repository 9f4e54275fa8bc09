#include "TreeDump.h"

namespace qv::test {

std::string dump(const TextTree& tree) {
    std::string text;
    tree.forEachPreOrder([&](const TreeNode& node, int level) {
        text += std::string(static_cast<size_t>(level), '\t') + node.text() + "\n";
    });
    return text;
}

}  // namespace qv::test
