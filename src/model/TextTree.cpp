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

TreeNode& TextTree::append(TreeNode* parent, std::string text) {
    return append(parent, std::make_unique<TreeNode>(std::move(text)));
}

TreeNode& TextTree::append(TreeNode* parent, std::unique_ptr<TreeNode> subtree) {
    auto& siblings = childrenOf(parent);
    const int row = static_cast<int>(siblings.size());
    for (auto* observer : observers_) {
        observer->nodesAboutToBeInserted(parent, row, row);
    }
    adopt(parent, siblings, *subtree);
    siblings.push_back(std::move(subtree));
    for (auto* observer : observers_) {
        observer->nodesInserted(parent, row, row);
    }
    return *siblings.back();
}

void TextTree::setText(TreeNode& node, std::string text) {
    if (node.text_ == text) {
        return;
    }
    node.text_ = std::move(text);
    for (auto* observer : observers_) {
        observer->textChanged(node);
    }
}

void TextTree::remove(TreeNode* parent, int index) {
    auto& siblings = childrenOf(parent);
    if (index < 0 || index >= static_cast<int>(siblings.size())) {
        return;
    }
    for (auto* observer : observers_) {
        observer->nodesAboutToBeRemoved(parent, index, index);
    }
    siblings.erase(siblings.begin() + index);
    for (auto* observer : observers_) {
        observer->nodesRemoved(parent, index, index);
    }
}

void TextTree::reset(std::vector<std::unique_ptr<TreeNode>> topLevelNodes) {
    for (auto* observer : observers_) {
        observer->treeAboutToBeReset();
    }
    top_ = std::move(topLevelNodes);
    for (auto& node : top_) {
        adopt(nullptr, top_, *node);
    }
    for (auto* observer : observers_) {
        observer->treeReset();
    }
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
    for (auto* observer : observers_) {
        observer->treeAboutToBeReset();
    }
    std::vector<std::unique_ptr<TreeNode>> nodes = std::move(top_);
    top_.clear();
    for (auto& node : nodes) {
        node->siblings_ = nullptr;  // no longer in this tree's top level
    }
    for (auto* observer : observers_) {
        observer->treeReset();
    }
    return nodes;
}

void TextTree::addObserver(TreeObserver* observer) const {
    observers_.push_back(observer);
}

void TextTree::removeObserver(TreeObserver* observer) const {
    std::erase(observers_, observer);
}

}  // namespace qv
