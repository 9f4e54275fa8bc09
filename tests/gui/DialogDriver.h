#pragma once

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

#include "EditorFixture.h"
#include "ui/common/MissionTreeView.h"
#include "ui/main/EditorWindows.h"

// Drives the entity dialogs and the objects and events windows through their widgets. Their
// controls keep numbered names (Edit1, Button1) that several windows share, so every control is
// looked up in its own window.
namespace qv::test {

// The control named `name` in `window`; the test program stops when there is none.
template <typename Widget = QWidget>
Widget& control(QWidget& window, const char* name) {
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("%s has no control named %s of the kind asked for", qPrintable(window.objectName()),
               name);
    }
    return *found;
}

template <typename Widget = QWidget>
Widget& control(const EditorFixture& editor, ui::WindowId id, const char* name) {
    return control<Widget>(editor.window(id), name);
}

// The focus leaves `widget`, as when the user tabs or clicks elsewhere; a click elsewhere also
// closes a list of suggestions that typing opened.
inline void leave(QWidget& widget) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&widget, &focusOut);
}

// Empties a text field and types `text` into it key by key, Cyrillic letters included.
inline void typeInto(QLineEdit& field, const QString& text) {
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

// Types into the text field `name` of `window` and leaves it.
inline void typeInto(const EditorFixture& editor, ui::WindowId id, const char* name,
                     const QString& text) {
    auto& field = control<QLineEdit>(editor, id, name);
    typeInto(field, text);
    leave(field);
}

inline void clickOn(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.rect().center());
}

inline void clickOn(const EditorFixture& editor, ui::WindowId id, const char* name) {
    clickOn(control(editor, id, name));
}

// What a tree view shows: every node in pre-order, one TAB per level.
inline QStringList shownTree(const QAbstractItemModel& model, const QModelIndex& parent = {},
                             int level = 0) {
    QStringList lines;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        lines << QString(level, QLatin1Char('\t')) + index.data().toString();
        lines << shownTree(model, index, level + 1);
    }
    return lines;
}

inline QStringList shownTree(const EditorFixture& editor, ui::WindowId id, const char* name) {
    return shownTree(*control<ui::MissionTreeView>(editor, id, name).model());
}

// Selects the node of `tree` reached from the root through the child positions in `path`
// (none: the root itself).
inline void selectPath(ui::MissionTreeView& view, std::initializer_list<int> path) {
    const TreeNode* node = view.treeModel().tree().root();
    for (int position : path) {
        node = node->child(position);
    }
    view.selectNode(node);
}

}  // namespace qv::test
