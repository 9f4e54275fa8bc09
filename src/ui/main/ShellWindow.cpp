#include "ui/main/ShellWindow.h"

#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {

namespace {
constexpr int ShellWidth = 320;
constexpr int ShellHeight = 200;
}  // namespace

ShellWindow::ShellWindow(const char* objectName, const QString& caption, QWidget* parent,
                         Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    resize(ShellWidth, ShellHeight);
}

void ShellWindow::openRow(int /*row*/) {
    show();
    raise();
}

QWidget* makeDialogShell(EditorApp& app, const char* objectName, const QString& caption) {
    return new ShellWindow(objectName, caption, &app.mainWindow(), Qt::Tool);
}

QWidget* makeWindowShell(const char* objectName, const QString& caption) {
    return new ShellWindow(objectName, caption, nullptr, Qt::Window);
}

}  // namespace qv::ui
