#pragma once

#include <QWidget>

#include "ui/common/RowEditor.h"

namespace qv::ui {

class EditorApp;

// A window whose contents a later version brings: its name and caption only. Opened for a row,
// it just shows itself.
class ShellWindow final : public QWidget, public RowEditor {
    Q_OBJECT

  public:
    ShellWindow(const char* objectName, const QString& caption, QWidget* parent,
                Qt::WindowFlags flags);

    void openRow(int row) override;
};

// A dialog kept above the main window (the add and change dialogs).
QWidget* makeDialogShell(EditorApp& app, const char* objectName, const QString& caption);
// A window of its own (the objects, events and options windows).
QWidget* makeWindowShell(const char* objectName, const QString& caption);

}  // namespace qv::ui
