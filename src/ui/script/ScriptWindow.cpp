#include "ui/script/ScriptWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "gamelink/CompilerCommand.h"
#include "generator/ScriptFile.h"
#include "generator/ScriptGenerator.h"
#include "ui/common/Controls.h"
#include "ui/common/Look.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"
#include "ui/main/RowReveal.h"
#include "ui/script/GoToLineBar.h"
#include "ui/script/ScriptEditor.h"
#include "ui/script/ScriptFindBar.h"
#include "ui/script/ScriptHighlighter.h"
#include "ui/script/WarningsPanel.h"

namespace qv::ui {

namespace {

constexpr int RestoredWidth = 760;
constexpr int RestoredHeight = 560;
constexpr int WarningsHeight = 170;

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

ScriptWindow::ScriptWindow(EditorApp& app) : app_(app) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Mission Script"));
    resize(RestoredWidth, RestoredHeight);

    script_ = new ScriptEditor(this);
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
    // Made before the document has any text: given a text, it would colour it only later, and
    // not a text set before then.
    highlighter_ = new ScriptHighlighter(script_->document());
    script_->setPlainText(QStringLiteral("Script"));

    warnings_ = new WarningsPanel(this);
    findBar_ = new ScriptFindBar(*script_, this);
    goToLine_ = new GoToLineBar(*script_, this);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 4, 4, 0);
    QPushButton* copy = makeButton("CopyAllBtn", tr("Копировать всё"), this);
    QPushButton* save = makeButton("SaveScriptBtn", tr("Сохранить скрипт..."), this);
    buttons->addWidget(copy);
    buttons->addWidget(save);
    saved_ = makeLabel({}, this);
    saved_->setObjectName(QStringLiteral("SavedScriptNote"));
    buttons->addWidget(saved_);
    buttons->addStretch(1);
    // For a user who pastes the script into Sanny Builder by hand.
    auto* mode =
        new QLabel(tr("Режим Sanny Builder: %1")
                       .arg(QString::fromUtf8(CompilerModeName.data(),
                                              static_cast<qsizetype>(CompilerModeName.size()))),
                   this);
    mode->setObjectName(QStringLiteral("CompilerMode"));
    mode->setStatusTip(
        tr("Скрипт написан для этого режима редактирования Sanny Builder: "
           "выберите его в Sanny Builder, прежде чем вставить скрипт."));
    buttons->addWidget(mode);

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("ScriptSplitter"));
    splitter_->addWidget(script_);
    splitter_->addWidget(warnings_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({RestoredHeight - WarningsHeight, WarningsHeight});
    warningsHeight_ = WarningsHeight;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(buttons);
    layout->addWidget(splitter_, 1);
    layout->addWidget(findBar_);
    layout->addWidget(goToLine_);

    connect(copy, &QPushButton::clicked, this, &ScriptWindow::copyAll);
    app.connectCommand(save, &QPushButton::clicked, this, [this] { saveScript(); });
    connect(warnings_, &WarningsPanel::placeRequested, this,
            [this](MissionPart part, int row) { revealRow(app_.mainWindow(), part, row); });
    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { findBar_->open(); });
    shortcut(QKeySequence(Qt::Key_F3), [this] { findBar_->findNext(); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findBar_->findPrevious(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_G), [this] { goToLine_->open(); });
}

QPlainTextEdit& ScriptWindow::script() const {
    return *script_;
}

void ScriptWindow::showScript(const std::vector<std::string>& lines) {
    showMaximized();
    raise();
    activateWindow();
    built_ = lines;
    // Every line ends with a line break, the last one too.
    script_->setPlainText(QString::fromStdString(joinLines(lines, "\n")));
    if (findBar_->isVisible()) {
        findBar_->open();  // marks the matches in the new text
    }
}

void ScriptWindow::showWarnings(const std::vector<ScriptWarning>& warnings) {
    const bool hadNone = warnings_->isEmpty();
    if (!hadNone) {
        warningsHeight_ = splitter_->sizes().at(1);  // as the user left it
    }
    warnings_->showWarnings(warnings);
    const QList<int> sizes = splitter_->sizes();
    const int total = sizes.at(0) + sizes.at(1);
    if (warnings.empty()) {
        // The script takes whatever the heading leaves.
        const int heading = warnings_->maximumHeight();
        splitter_->setSizes({total - heading, heading});
    } else if (hadNone) {
        const int shown = std::min(warningsHeight_, total / 2);
        splitter_->setSizes({total - shown, shown});
    }
}

void ScriptWindow::copyAll() {
    QApplication::clipboard()->setText(script_->toPlainText());
}

void ScriptWindow::saveScript() {
    // The file is offered the project's name, or the mission's while there is no project.
    const QString project = QString::fromStdString(app_.projectPath());
    QString name = QFileInfo(project).completeBaseName();
    if (name.isEmpty()) {
        name = QString::fromStdString(app_.mission().parameters().AMissionName).toLower();
    }
    const QString path =
        app_.dialogs().saveFile({this, tr("Скрипт Sanny Builder (*.txt)"), QStringLiteral("txt"),
                                 QString::fromStdString(app_.workingFolder()),
                                 name.isEmpty() ? QString() : name + QStringLiteral(".txt")});
    if (!path.isEmpty()) {
        saveScriptFile(app_.files(), path.toStdString(), built_);
        saved_->setText(tr("Сохранено: %1").arg(QDir::toNativeSeparators(path)));
    }
}

QWidget* createScriptWindow(EditorApp& app) {
    return new ScriptWindow(app);
}

}  // namespace qv::ui
