#include "model/TextTree.h"

#include <algorithm>

namespace qv {

TreeNode* TreeNode::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    return children_[static_cast<size_t>(index)].get();
}

int TreeNode::index() const {
    if (siblings_ == nullptr) {
        return 0;
    }
    const auto it = std::find_if(siblings_->begin(), siblings_->end(),
                                 [this](const auto& node) { return node.get() == this; });
    return static_cast<int>(it - siblings_->begin());
}

int TreeNode::level() const {
    int level = 0;
    for (const TreeNode* node = parent_; node != nullptr; node = node->parent_) {
        ++level;
    }
    return level;
}

std::unique_ptr<TreeNode> TreeNode::clone() const {
    auto copy = std::make_unique<TreeNode>(text_);
    for (const auto& child : children_) {
        auto childCopy = child->clone();
        childCopy->parent_ = copy.get();
        childCopy->siblings_ = &copy->children_;
        copy->children_.push_back(std::move(childCopy));
    }
    return copy;
}

TreeNode& TreeNode::add(std::string text) {
    auto node = std::make_unique<TreeNode>(std::move(text));
    node->parent_ = this;
    node->siblings_ = &children_;
    children_.push_back(std::move(node));
    return *children_.back();
}

TextTree::TextTree(std::string rootText) {
    auto root = std::make_unique<TreeNode>(std::move(rootText));
    adopt(nullptr, top_, *root);
    top_.push_back(std::move(root));
}

TreeNode* TextTree::topLevel(int index) const {
    if (index < 0 || index >= topLevelCount()) {
        return nullptr;
    }
    return top_[static_cast<size_t>(index)].get();
}

std::vector<std::unique_ptr<TreeNode>>& TextTree::childrenOf(TreeNode* parent) {
    return parent == nullptr ? top_ : parent->children_;
}

void TextTree::adopt(TreeNode* parent, std::vector<std::unique_ptr<TreeNode>>& siblings,
                     TreeNode& node) {
    node.parent_ = parent;
    node.siblings_ = &siblings;
}

template <typename Call>
void TextTree::tellObservers(Call&& call) const {
    observers_.tell(call);
}

TreeNode& TextTree::append(TreeNode* parent, std::string text) {
    return append(parent, std::make_unique<TreeNode>(std::move(text)));
}

TreeNode& TextTree::append(TreeNode* parent, std::unique_ptr<TreeNode> subtree) {
    return insert(parent, static_cast<int>(childrenOf(parent).size()), std::move(subtree));
}

TreeNode& TextTree::insert(TreeNode* parent, int index, std::unique_ptr<TreeNode> subtree) {
    auto& siblings = childrenOf(parent);
    const int row = std::clamp(index, 0, static_cast<int>(siblings.size()));
    tellObservers([&](TreeObserver& o) { o.nodesAboutToBeInserted(parent, row, row); });
    adopt(parent, siblings, *subtree);
    TreeNode& inserted = *subtree;
    siblings.insert(siblings.begin() + row, std::move(subtree));
    tellObservers([&](TreeObserver& o) { o.nodesInserted(parent, row, row); });
    return inserted;
}

void TextTree::setText(TreeNode& node, std::string text) {
    if (node.text_ == text) {
        return;
    }
    node.text_ = std::move(text);
    tellObservers([&](TreeObserver& o) { o.textChanged(node); });
}

void TextTree::remove(TreeNode* parent, int index) {
    take(parent, index);
}

std::unique_ptr<TreeNode> TextTree::take(TreeNode* parent, int index) {
    auto& siblings = childrenOf(parent);
    if (index < 0 || index >= static_cast<int>(siblings.size())) {
        return nullptr;
    }
    tellObservers([&](TreeObserver& o) { o.nodesAboutToBeRemoved(parent, index, index); });
    std::unique_ptr<TreeNode> node = std::move(siblings[static_cast<size_t>(index)]);
    siblings.erase(siblings.begin() + index);
    node->parent_ = nullptr;
    node->siblings_ = nullptr;
    tellObservers([&](TreeObserver& o) { o.nodesRemoved(parent, index, index); });
    return node;
}

void TextTree::assign(TreeNode& node, const TreeNode& model) {
    setText(node, model.text_);
    const int common = std::min(node.childCount(), model.childCount());
    for (int i = 0; i < common; ++i) {
        assign(*node.child(i), *model.child(i));
    }
    while (node.childCount() > model.childCount()) {
        remove(&node, node.childCount() - 1);
    }
    for (int i = common; i < model.childCount(); ++i) {
        append(&node, model.child(i)->clone());
    }
}

void TextTree::reset(std::vector<std::unique_ptr<TreeNode>> topLevelNodes) {
    tellObservers([](TreeObserver& o) { o.treeAboutToBeReset(); });
    top_ = std::move(topLevelNodes);
    for (auto& node : top_) {
        adopt(nullptr, top_, *node);
    }
    tellObservers([](TreeObserver& o) { o.treeReset(); });
}

void TextTree::reset(std::string rootText) {
    std::vector<std::unique_ptr<TreeNode>> nodes;
    nodes.push_back(std::make_unique<TreeNode>(std::move(rootText)));
    reset(std::move(nodes));
}

std::vector<std::unique_ptr<TreeNode>> TextTree::cloneNodes() const {
    std::vector<std::unique_ptr<TreeNode>> copies;
    for (const auto& node : top_) {
        copies.push_back(node->clone());
    }
    return copies;
}

std::vector<std::unique_ptr<TreeNode>> TextTree::takeNodes() {
    tellObservers([](TreeObserver& o) { o.treeAboutToBeReset(); });
    std::vector<std::unique_ptr<TreeNode>> nodes = std::move(top_);
    top_.clear();
    for (auto& node : nodes) {
        node->siblings_ = nullptr;  // no longer in this tree's top level
    }
    tellObservers([](TreeObserver& o) { o.treeReset(); });
    return nodes;
}

void TextTree::addObserver(TreeObserver* observer) const {
    observers_.add(observer);
}

void TextTree::removeObserver(TreeObserver* observer) const {
    observers_.remove(observer);
}

}  // namespace qv
