#include "ui/editors/RowTarget.h"

#include <QCoreApplication>
#include <QWidget>

#include "model/TreeTexts.h"

namespace qv::ui {

namespace {

void collectTexts(const TreeNode& node, std::vector<std::string>& texts) {
    texts.push_back(node.text());
    for (int i = 0; i < node.childCount(); ++i) {
        collectTexts(*node.child(i), texts);
    }
}

}  // namespace

RowTarget::RowTarget(Mission& mission, MissionPart table, QWidget& dialog,
                     std::function<void(int)> show)
    : mission_(mission), table_(table), dialog_(dialog), show_(std::move(show)) {
    mission_.addObserver(this);
}

RowTarget::~RowTarget() {
    mission_.removeObserver(this);
}

void RowTarget::open(int row) {
    row_ = row;
    const TreeNode* root = mission_.tree(table_).root();
    node_ = root != nullptr ? root->child(row - 1) : nullptr;
    shown_ = rowTexts();
    showTitle();
}

std::vector<std::string> RowTarget::rowTexts() const {
    std::vector<std::string> texts;
    // Not the row's own text, which is its number.
    for (int i = 0; node_ != nullptr && i < node_->childCount(); ++i) {
        collectTexts(*node_->child(i), texts);
    }
    return texts;
}

void RowTarget::showTitle() {
    const std::string nodeText = node_ != nullptr ? node_->text() : std::string();
    // The row as its tree shows it ("Машина 3"), in the interface's language.
    dialog_.setWindowTitle(QCoreApplication::translate("RowTarget", "%1 - Редактирование")
                               .arg(QString::fromStdString(tree_text::shownText(nodeText))));
}

void RowTarget::missionChanged(MissionPart part) {
    if (row_ == 0 || (part != table_ && part != MissionPart::Everything)) {
        return;
    }
    // The row keeps its node while it is inserted before, moved or changed; only the node's
    // place among the rows tells where it went. A loaded mission holds other rows.
    const TreeNode* root = mission_.tree(table_).root();
    const int count = mission_.rowCount(table_);
    for (int i = 0; part != MissionPart::Everything && root != nullptr && i < count; ++i) {
        if (node_ != nullptr && root->child(i) == node_) {
            row_ = i + 1;
            showTitle();
            if (std::vector<std::string> texts = rowTexts(); texts != shown_) {
                shown_ = std::move(texts);
                show_(row_);
            }
            return;
        }
    }
    if (node_ == nullptr && part != MissionPart::Everything && row_ <= count) {
        return;  // a row the tree holds no node for: it stays while its number does
    }
    row_ = 0;
    node_ = nullptr;
    dialog_.hide();
}

}  // namespace qv::ui
