#include "ui/script/WarningsPanel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv::ui {

namespace {

QString heading(std::size_t count) {
    return qv::ui::WarningsPanel::tr("Предупреждения (%1)").arg(count);
}

}  // namespace

WarningsPanel::WarningsPanel(QWidget* parent) : QGroupBox(heading(0), parent) {
    setObjectName(QStringLiteral("WarningsPanel"));
    list_ = new QTableWidget(0, 2, this);
    list_->setObjectName(QStringLiteral("WarningList"));
    list_->setHorizontalHeaderLabels({tr("Где"), tr("Что случится в игре")});
    list_->verticalHeader()->hide();
    list_->setShowGrid(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each sentence is shown whole, wrapped to the width of its column.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    connect(list_->horizontalHeader(), &QHeaderView::sectionResized, list_,
            &QTableWidget::resizeRowsToContents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(list_);

    connect(list_, &QTableWidget::cellActivated, this, [this](int row) {
        const auto index = static_cast<std::size_t>(row);
        if (index < warnings_.size()) {
            emit placeRequested(warnings_[index].part, warnings_[index].row);
        }
    });
    showWarnings({});
}

void WarningsPanel::showWarnings(const std::vector<ScriptWarning>& warnings) {
    warnings_ = warnings;
    setTitle(heading(warnings.size()));
    list_->clearContents();
    list_->setRowCount(static_cast<int>(warnings.size()));
    int row = 0;
    for (const ScriptWarning& warning : warnings) {
        list_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(warning.where)));
        list_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(warning.text)));
        ++row;
    }
    list_->resizeColumnToContents(0);
    list_->resizeRowsToContents();
    // Without warnings only the heading stays, and the script takes the room.
    list_->setVisible(!warnings.empty());
    setMaximumHeight(warnings.empty() ? minimumSizeHint().height() : QWIDGETSIZE_MAX);
}

bool WarningsPanel::isEmpty() const {
    return warnings_.empty();
}

}  // namespace qv::ui
