#include "ui/main/ScriptWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "generator/ScriptGenerator.h"
#include "ui/common/Look.h"
#include "ui/main/EditorWindows.h"

namespace qv::ui {

namespace {
constexpr int RestoredWidth = 760;
constexpr int RestoredHeight = 560;
}  // namespace

ScriptWindow::ScriptWindow() {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Mission Script"));
    resize(RestoredWidth, RestoredHeight);

    script_ = new QPlainTextEdit(QStringLiteral("Script"), this);
    script_->setObjectName(QStringLiteral("Script"));
    script_->setLineWrapMode(QPlainTextEdit::NoWrap);
    script_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    script_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = look::monoFont();
    font.setPointSize(10);
    script_->setFont(font);
    QPalette palette = script_->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    script_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(script_);
}

void ScriptWindow::showScript(const std::vector<std::string>& lines) {
    showMaximized();
    raise();
    activateWindow();
    // Every line ends with a line break, the last one too.
    script_->setPlainText(QString::fromStdString(joinLines(lines, "\n")));
}

QWidget* createScriptWindow(EditorApp& /*app*/) {
    return new ScriptWindow;
}

}  // namespace qv::ui
