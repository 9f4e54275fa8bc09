#pragma once

#include <QWidget>
#include <functional>

#include "model/TextTree.h"
#include "ui/main/EditorWindows.h"

class QBoxLayout;

namespace qv::ui {

class EditorApp;
class MissionTreeView;

// What the objects window and the events window share: a tree of the mission with buttons that
// add a row, remove the last row, change the selected row, and expand or collapse the whole
// tree. A window of its own with a fixed frame, placed at the centre of the main window when it
// is shown, modeless and not kept on top.
class TreeWindow : public QWidget {
    Q_OBJECT

  public:
    MissionTreeView& tree() const { return *tree_; }

  protected:
    struct Button {
        const char* objectName;
        QString caption;
    };
    struct Variant {
        const char* objectName;
        QString caption;
        const TextTree& tree;
        QString treeName;
        Button add, remove, change, expand, collapse;
        WindowId addWindow;
        WindowId changeWindow;
        std::function<void()> removeLast;  // the mission's remove-last operation
    };
    TreeWindow(EditorApp& app, const Variant& variant);

    // The column of the window's contents, where a heading may be put above the tree.
    QBoxLayout& contents() const { return *contents_; }

  private:
    MissionTreeView* tree_;
    QBoxLayout* contents_;
};

}  // namespace qv::ui
