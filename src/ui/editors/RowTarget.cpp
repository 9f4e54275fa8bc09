#include "ui/editors/RowTarget.h"

#include <QWidget>

namespace qv::ui {

RowTarget::RowTarget(Mission& mission, MissionPart table, QWidget& dialog)
    : mission_(mission), table_(table), dialog_(dialog) {
    mission_.addObserver(this);
}

RowTarget::~RowTarget() {
    mission_.removeObserver(this);
}

void RowTarget::open(int row) {
    row_ = row;
    const TreeNode* root = tree().root();
    const TreeNode* node = root != nullptr ? root->child(row - 1) : nullptr;
    const QString nodeText = node != nullptr ? QString::fromStdString(node->text()) : QString();
    dialog_.setWindowTitle(nodeText + QStringLiteral(" - Редактирование"));
}

int RowTarget::rowCount() const {
    switch (table_) {
        case MissionPart::Cars:
            return mission_.carCount();
        case MissionPart::Checkpoints:
            return mission_.checkpointCount();
        case MissionPart::Objects:
            return mission_.objectCount();
        case MissionPart::Events:
            return mission_.eventCount();
        case MissionPart::Parameters:
        case MissionPart::Everything:
            break;
    }
    return 0;
}

const TextTree& RowTarget::tree() const {
    switch (table_) {
        case MissionPart::Cars:
            return mission_.carTree();
        case MissionPart::Checkpoints:
            return mission_.checkpointTree();
        case MissionPart::Objects:
            return mission_.objectTree();
        default:
            return mission_.eventsTree();
    }
}

void RowTarget::missionChanged(MissionPart part) {
    const bool rowGone = part == table_ && row_ > rowCount();
    // A loaded mission holds other rows under the same numbers: what the dialog shows is stale.
    if (row_ > 0 && (rowGone || part == MissionPart::Everything)) {
        row_ = 0;
        dialog_.hide();
    }
}

}  // namespace qv::ui
