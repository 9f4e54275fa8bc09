#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/ObserverList.h"

namespace qv {

// One node of a tree mirror: a text and its ordered children.
class TreeNode {
  public:
    explicit TreeNode(std::string text) : text_(std::move(text)) {}
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    const std::string& text() const { return text_; }
    TreeNode* parent() const { return parent_; }
    int childCount() const { return static_cast<int>(children_.size()); }
    TreeNode* child(int index) const;  // nullptr when out of range
    // Position among the parent's children (or among the top-level nodes), from 0.
    int index() const;
    // 0 for a top-level node, 1 for its children, and so on.
    int level() const;

    std::unique_ptr<TreeNode> clone() const;
    // Appends a child to a node that belongs to no tree yet (a subtree being built). A node in a
    // tree changes only through its TextTree, which tells the views.
    TreeNode& add(std::string text);

  private:
    friend class TextTree;
    std::string text_;
    TreeNode* parent_ = nullptr;  // nullptr for top-level nodes
    const std::vector<std::unique_ptr<TreeNode>>* siblings_ = nullptr;
    std::vector<std::unique_ptr<TreeNode>> children_;
};

// Told about every change of a tree, before and after it, so that views (a Qt item model, for
// one) can follow. `parent` is nullptr for the top level.
class TreeObserver {
  public:
    virtual ~TreeObserver() = default;
    virtual void nodesAboutToBeInserted(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void nodesInserted(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void nodesAboutToBeRemoved(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void nodesRemoved(const TreeNode* /*parent*/, int /*first*/, int /*last*/) {}
    virtual void textChanged(const TreeNode& /*node*/) {}
    virtual void treeAboutToBeReset() {}
    virtual void treeReset() {}
};

// A tree of text nodes, as a tree view shows it. It normally has one top-level node, the root;
// a tree read from a file may hold more, and those are kept and written back as they are.
class TextTree {
  public:
    TextTree() = default;
    explicit TextTree(std::string rootText);
    TextTree(const TextTree&) = delete;
    TextTree& operator=(const TextTree&) = delete;

    int topLevelCount() const { return static_cast<int>(top_.size()); }
    TreeNode* topLevel(int index) const;
    // The tree's first node; nullptr only for a tree read from an empty file.
    TreeNode* root() const { return topLevel(0); }
    bool empty() const { return top_.empty(); }

    // Appends a node as the last child of `parent` (nullptr: a new top-level node).
    TreeNode& append(TreeNode* parent, std::string text);
    // Appends a whole subtree as the last child of `parent` (nullptr: top level).
    TreeNode& append(TreeNode* parent, std::unique_ptr<TreeNode> subtree);
    // Inserts a whole subtree as child `index` of `parent` (nullptr: top level); an index past
    // the end appends.
    TreeNode& insert(TreeNode* parent, int index, std::unique_ptr<TreeNode> subtree);
    void setText(TreeNode& node, std::string text);
    // Removes the child at `index` of `parent` (nullptr: top level) with its descendants.
    void remove(TreeNode* parent, int index);
    // Removes the child at `index` of `parent` and hands it over with its descendants; nullptr
    // when there is no such child.
    std::unique_ptr<TreeNode> take(TreeNode* parent, int index);
    // Makes `node`'s subtree equal to `model`'s in place: differing texts are rewritten, missing
    // children appended and extra ones removed, so that a view keeps what it has opened.
    void assign(TreeNode& node, const TreeNode& model);
    // Replaces every node by the top-level nodes given (a tree read from a file, or a copy).
    void reset(std::vector<std::unique_ptr<TreeNode>> topLevelNodes);
    void reset(std::string rootText);
    // A deep copy of the top-level nodes.
    std::vector<std::unique_ptr<TreeNode>> cloneNodes() const;
    // Hands every node over (to Mission::replace, say) and leaves the tree empty.
    std::vector<std::unique_ptr<TreeNode>> takeNodes();

    // Every node in pre-order with its level: what the tree text file holds line by line.
    template <typename Visit>
    void forEachPreOrder(Visit&& visit) const {
        for (const auto& node : top_) {
            visitPreOrder(*node, 0, visit);
        }
    }

    // Observers watch the tree without changing it, hence const. An observer may add or remove
    // observers while it is told about a change: one removed then is told nothing more.
    void addObserver(TreeObserver* observer) const;
    void removeObserver(TreeObserver* observer) const;

  private:
    template <typename Visit>
    static void visitPreOrder(const TreeNode& node, int level, Visit& visit) {
        visit(node, level);
        for (const auto& child : node.children_) {
            visitPreOrder(*child, level + 1, visit);
        }
    }
    std::vector<std::unique_ptr<TreeNode>>& childrenOf(TreeNode* parent);
    void adopt(TreeNode* parent, std::vector<std::unique_ptr<TreeNode>>& siblings, TreeNode& node);
    template <typename Call>
    void tellObservers(Call&& call) const;

    std::vector<std::unique_ptr<TreeNode>> top_;
    mutable ObserverList<TreeObserver> observers_;
};

}  // namespace qv
