#include <gtest/gtest.h>

#include "TreeDump.h"
#include "model/TextTree.h"

namespace qv {
namespace {

struct Event {
    std::string what;
    const TreeNode* parent;
    int first;
    int last;
    bool operator==(const Event&) const = default;
};

class Recorder : public TreeObserver {
  public:
    void nodesAboutToBeInserted(const TreeNode* p, int f, int l) override {
        events.push_back({"before insert", p, f, l});
    }
    void nodesInserted(const TreeNode* p, int f, int l) override {
        events.push_back({"insert", p, f, l});
    }
    void nodesAboutToBeRemoved(const TreeNode* p, int f, int l) override {
        events.push_back({"before remove", p, f, l});
    }
    void nodesRemoved(const TreeNode* p, int f, int l) override {
        events.push_back({"remove", p, f, l});
    }
    void textChanged(const TreeNode& node) override { events.push_back({"text", &node, 0, 0}); }
    void treeAboutToBeReset() override { events.push_back({"before reset", nullptr, 0, 0}); }
    void treeReset() override { events.push_back({"reset", nullptr, 0, 0}); }
    std::vector<Event> events;
};

TEST(TextTree, NodesKnowTheirLevelAndIndex) {
    TextTree tree("root");
    TreeNode& a = tree.append(tree.root(), "a");
    TreeNode& b = tree.append(tree.root(), "b");
    TreeNode& b1 = tree.append(&b, "b1");
    TreeNode& second = tree.append(nullptr, "second root");
    EXPECT_EQ(tree.root()->level(), 0);
    EXPECT_EQ(a.index(), 0);
    EXPECT_EQ(b.index(), 1);
    EXPECT_EQ(b1.level(), 2);
    EXPECT_EQ(second.index(), 1);
    EXPECT_EQ(second.level(), 0);
    EXPECT_EQ(test::dump(tree), "root\n\ta\n\tb\n\t\tb1\nsecond root\n");
}

TEST(TextTree, ObserversHearEveryChangeBeforeAndAfter) {
    TextTree tree("root");
    Recorder recorder;
    tree.addObserver(&recorder);
    TreeNode* root = tree.root();
    TreeNode& a = tree.append(root, "a");
    tree.setText(a, "a2");
    tree.setText(a, "a2");  // unchanged: nothing to tell
    tree.remove(root, 0);
    tree.remove(root, 5);  // no such node: nothing happens
    tree.reset("fresh");
    EXPECT_EQ(recorder.events, (std::vector<Event>{{"before insert", root, 0, 0},
                                                   {"insert", root, 0, 0},
                                                   {"text", &a, 0, 0},
                                                   {"before remove", root, 0, 0},
                                                   {"remove", root, 0, 0},
                                                   {"before reset", nullptr, 0, 0},
                                                   {"reset", nullptr, 0, 0}}));
    tree.removeObserver(&recorder);
}

TEST(TextTree, ClonesAreDeepAndIndependent) {
    TextTree tree("root");
    tree.append(&tree.append(tree.root(), "a"), "a1");
    TextTree copy;
    copy.reset(tree.cloneNodes());
    tree.setText(*tree.root()->child(0), "changed");
    EXPECT_EQ(test::dump(copy), "root\n\ta\n\t\ta1\n");
    EXPECT_EQ(copy.root()->child(0)->child(0)->parent(), copy.root()->child(0));
    EXPECT_EQ(copy.root()->child(0)->child(0)->level(), 2);
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// Removes another observer, or adds new ones, while it is told about a change.
class MeddlingObserver : public TreeObserver {
  public:
    MeddlingObserver(const TextTree& tree, std::unique_ptr<Recorder>* victim)
        : tree_(tree), victim_(victim) {}
    void textChanged(const TreeNode&) override {
        if (victim_ != nullptr && *victim_) {
            tree_.removeObserver(victim_->get());
            victim_->reset();
        }
        for (int i = 0; i < 8; ++i) {
            added.push_back(std::make_unique<Recorder>());
            tree_.addObserver(added.back().get());
        }
    }
    std::vector<std::unique_ptr<Recorder>> added;

  private:
    const TextTree& tree_;
    std::unique_ptr<Recorder>* victim_;
};

TEST(TextTree, AnObserverMayAddOrRemoveObserversWhileItIsTold) {
    TextTree tree("root");
    auto victim = std::make_unique<Recorder>();
    MeddlingObserver meddler(tree, &victim);
    tree.addObserver(&meddler);
    tree.addObserver(victim.get());
    tree.setText(*tree.root(), "changed");  // the removed one is not told, the added ones not yet
    EXPECT_EQ(victim, nullptr);
    for (const auto& added : meddler.added) {
        EXPECT_TRUE(added->events.empty());
    }
    for (const auto& added : meddler.added) {
        tree.removeObserver(added.get());
    }
    tree.removeObserver(&meddler);
}

}  // namespace
}  // namespace qv
