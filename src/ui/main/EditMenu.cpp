#include "ui/main/EditMenu.h"

#include "ui/main/EditorApp.h"

namespace qv::ui {

namespace {

// `command` alone, or `commandOfStep` naming the step as %1.
QString stepCaption(const QString& command, const QString& commandOfStep, const std::string& step) {
    return step.empty() ? command : commandOfStep.arg(QString::fromStdString(step));
}

}  // namespace

EditMenu::EditMenu(EditorApp& app, QWidget* parent)
    : QMenu(tr("&Правка"), parent), mission_(app.mission()) {
    setObjectName(QStringLiteral("EditMenu"));
    undo_ = addAction(QString());
    undo_->setObjectName(QStringLiteral("UndoAction"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = addAction(QString());
    redo_->setObjectName(QStringLiteral("RedoAction"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    app.connectCommand(undo_, &QAction::triggered, this, [this] { mission_.undo(); });
    app.connectCommand(redo_, &QAction::triggered, this, [this] { mission_.redo(); });
    mission_.addObserver(this);
    historyChanged();
}

EditMenu::~EditMenu() {
    mission_.removeObserver(this);
}

void EditMenu::historyChanged() {
    undo_->setText(stepCaption(tr("Отменить"), tr("Отменить: %1"), mission_.undoName()));
    undo_->setEnabled(mission_.canUndo());
    redo_->setText(stepCaption(tr("Повторить"), tr("Повторить: %1"), mission_.redoName()));
    redo_->setEnabled(mission_.canRedo());
}

}  // namespace qv::ui
