// Feeds arbitrary bytes to the tree text reader as a companion file. A file that reads must
// write back to a text that reads as the same tree, and writing that tree again gives the same
// bytes.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Require.h"
#include "model/Cp1251.h"
#include "model/Error.h"
#include "model/TreeTextFile.h"

namespace {

std::vector<std::pair<int, std::string>> preOrder(const qv::TextTree& tree) {
    std::vector<std::pair<int, std::string>> nodes;
    tree.forEachPreOrder(
        [&nodes](const qv::TreeNode& node, int level) { nodes.emplace_back(level, node.text()); });
    return nodes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        qv::decodeCp1251(std::string_view(reinterpret_cast<const char*>(data), size));
    qv::TextTree tree;
    try {
        tree.reset(qv::readTreeText(text, "fuzz.cars"));
    } catch (const qv::Error&) {
        return 0;
    }
    const std::string written = qv::treeText(tree);
    qv::TextTree again;
    again.reset(qv::readTreeText(written, "fuzz.cars"));
    require(preOrder(again) == preOrder(tree));
    require(qv::treeText(again) == written);
    std::string bytes;
    require(!qv::encodeCp1251(written, bytes));
    return 0;
}
