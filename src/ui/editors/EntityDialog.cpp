#include "ui/editors/EntityDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QSpacerItem>
#include <algorithm>

#include "ui/common/Controls.h"
#include "ui/common/Look.h"
#include "ui/editors/Placement.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {

namespace {

// A tool window of the main window: above the program's own windows, not above other programs.
constexpr Qt::WindowFlags ToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace

EntityDialog::EntityDialog(EditorApp& app, const char* objectName, const QString& caption)
    : QWidget(&app.mainWindow(), ToolWindowFlags), app_(app) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setFont(look::windowFont());
    centreWhenShown(*this, app.mainWindow());
}

void EntityDialog::present() {
    fitTitle(titleRoom());
    show();
    raise();
    activateWindow();
    focusFirstField();
}

void EntityDialog::focusFirstField() {
    for (QWidget* widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        if (isValueField(widget) && widget->isVisibleTo(this) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) != 0) {
            widget->setFocus(Qt::TabFocusReason);
            if (auto* line = qobject_cast<QLineEdit*>(widget)) {
                line->selectAll();
            }
            return;
        }
    }
}

void EntityDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Escape) {
            hide();
            return;
        }
        // Only from a field: a list takes Enter as its own choice.
        if (enter && commitButton_ != nullptr && commitButton_->isEnabled() &&
            isValueField(focusWidget())) {
            commitButton_->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void EntityDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && isVisible()) {
        fitTitle(titleRoom());
    }
    QWidget::changeEvent(event);
}

int EntityDialog::titleRoom() const {
    // Title bars write in a bold face of about the system's size; beside the text stand the
    // window's icon and its close button, each about as wide as the bar is high.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(windowTitle()) + 3 * metrics.height() +
           2 * look::characterWidth(metrics);
}

void EntityDialog::fitTitle(int width) {
    if (layout() == nullptr) {
        return;
    }
    if (titleStrut_ == nullptr) {
        titleStrut_ = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
        layout()->addItem(titleStrut_);
    }
    const QMargins margins = layout()->contentsMargins();
    titleStrut_->changeSize(std::max(0, width - margins.left() - margins.right()), 0,
                            QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout()->invalidate();
    layout()->activate();
}

void EntityDialog::connectCommit(QAbstractButton& button) {
    commitButton_ = &button;
    app_.connectCommand(&button, &QAbstractButton::clicked, this, [this] {
        commit();
        hide();
    });
}

}  // namespace qv::ui
