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

// A row's node text as the tree keeps it (in Russian: the project's tree files hold it), and the
// title of a dialog that edits that row, in the interface's language.
struct RowTitle {
    std::string (*nodeText)(int row);
    const char* title;
};

RowTitle rowTitle(MissionPart table) {
    switch (table) {
        case MissionPart::Cars:
            return {tree_text::carNode,
                    QT_TRANSLATE_NOOP("RowTarget", "Машина %1 - Редактирование")};
        case MissionPart::Checkpoints:
            return {tree_text::checkpointNode,
                    QT_TRANSLATE_NOOP("RowTarget", "Чекпоинт %1 - Редактирование")};
        case MissionPart::Objects:
            return {tree_text::objectNode,
                    QT_TRANSLATE_NOOP("RowTarget", "Объект %1 - Редактирование")};
        default:
            return {tree_text::eventNode,
                    QT_TRANSLATE_NOOP("RowTarget", "Событие %1 - Редактирование")};
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
    const RowTitle title = rowTitle(table_);
    // A node text of a tree file's own making is shown as it is.
    dialog_.setWindowTitle(nodeText == title.nodeText(row_)
                               ? QCoreApplication::translate("RowTarget", title.title).arg(row_)
                               : QCoreApplication::translate("RowTarget", "%1 - Редактирование")
                                     .arg(QString::fromStdString(nodeText)));
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
