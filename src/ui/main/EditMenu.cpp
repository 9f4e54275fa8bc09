#include "ui/main/EditMenu.h"

#include "ui/main/EditorApp.h"

namespace qv::ui {

namespace {

QString stepCaption(const char* command, const std::string& step) {
    QString caption = QString::fromUtf8(command);
    if (!step.empty()) {
        caption += QStringLiteral(": ") + QString::fromStdString(step);
    }
    return caption;
}

}  // namespace

EditMenu::EditMenu(EditorApp& app, QWidget* parent)
    : QMenu(QStringLiteral("&Правка"), parent), mission_(app.mission()) {
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
    undo_->setText(stepCaption("Отменить", mission_.undoName()));
    undo_->setEnabled(mission_.canUndo());
    redo_->setText(stepCaption("Повторить", mission_.redoName()));
    redo_->setEnabled(mission_.canRedo());
}

}  // namespace qv::ui
