#include "ui/editors/EntityDialog.h"

#include <QAbstractButton>

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
    show();
    raise();
    activateWindow();
}

void EntityDialog::connectCommit(QAbstractButton& button) {
    app_.connectCommand(&button, &QAbstractButton::clicked, this, [this] {
        commit();
        hide();
    });
}

}  // namespace qv::ui
