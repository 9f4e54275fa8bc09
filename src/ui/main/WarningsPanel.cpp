#include "ui/main/WarningsPanel.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

QString heading(std::size_t count) {
    return QStringLiteral("Предупреждения (%1)").arg(count);
}

}  // namespace

WarningsPanel::WarningsPanel(QWidget* parent) : QGroupBox(heading(0), parent) {
    setObjectName(QStringLiteral("WarningsPanel"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("WarningList"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Где"), QStringLiteral("Что случится в игре")});
    list_->setWordWrap(true);
    list_->header()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);

    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
        if (index < warnings_.size()) {
            emit placeRequested(warnings_[index].part, warnings_[index].row);
        }
    });
}

void WarningsPanel::showWarnings(const std::vector<ScriptWarning>& warnings) {
    warnings_ = warnings;
    setTitle(heading(warnings.size()));
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const ScriptWarning& warning : warnings) {
        auto* row = new QTreeWidgetItem(
            {QString::fromStdString(warning.where), QString::fromStdString(warning.text)});
        row->setToolTip(1, row->text(1));
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    list_->resizeColumnToContents(0);
}

}  // namespace qv::ui
