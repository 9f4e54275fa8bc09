#include "ui/options/OptionsWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "gamedata/RadarTiles.h"
#include "gamelink/CompilerCommand.h"
#include "gamelink/GameFolders.h"
#include "gamelink/Settings.h"
#include "model/Error.h"
#include "platform/Paths.h"
#include "ui/common/Controls.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"
#include "ui/main/MainWindow.h"
#include "ui/options/TestRunLink.h"

namespace qv::ui {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

OptionsWindow::OptionsWindow(EditorApp& app)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), app_(app) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Настройки программы"));

    QAction& action = app.mainWindow().missionTestAction();
    missionTest_ = makeCheckBox("AMissionTest", action.text(), {}, this);
    gameDir_ = makeLineEdit("AGameDir", {}, this);
    browseGame_ = makeButton("BrowseGameBtn", QStringLiteral("Обзор..."), {}, this);
    compilerDir_ = makeLineEdit("ASBDir", {}, this);
    browseCompiler_ = makeButton("BrowseSBBtn", QStringLiteral("Обзор..."), {}, this);
    compilerVersion_ = makeLabel({}, this);
    compilerVersion_->setObjectName(QStringLiteral("SBVersion"));
    auto* ok = makeButton("Button4", QStringLiteral("ОК"), {}, this);
    auto* cancel = makeButton("Button1", QStringLiteral("Отмена"), {}, this);
    ok->setDefault(true);

    auto* folders = new QGridLayout;
    folders->setHorizontalSpacing(6);
    folders->addWidget(makeLabel(QStringLiteral("Путь к GTA: San Andreas:"), this), 0, 0);
    folders->addWidget(gameDir_, 1, 0);
    folders->addWidget(browseGame_, 1, 1);
    folders->addWidget(makeLabel(QStringLiteral("Путь к Sanny Builder:"), this), 2, 0);
    folders->addWidget(compilerDir_, 3, 0);
    folders->addWidget(browseCompiler_, 3, 1);
    folders->addWidget(compilerVersion_, 4, 0);
    gameDir_->setMinimumWidth(300);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(missionTest_);
    layout->addSpacing(6);
    layout->addLayout(folders);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The check box and the action are one switch; the action's handler follows every change,
    // whoever makes it.
    connect(missionTest_, &QCheckBox::toggled, &action, &QAction::setChecked);
    connect(&action, &QAction::toggled, missionTest_, &QCheckBox::setChecked);
    app.connectCommand(&action, &QAction::toggled, this,
                       [this](bool checked) { missionTestSwitched(checked); });
    app.connectCommand(browseGame_, &QPushButton::clicked, this,
                       [this] { chooseGameFolder(this); });
    app.connectCommand(browseCompiler_, &QPushButton::clicked, this, [this] {
        browse(QStringLiteral("Укажите путь к папке с Sanny Builder"), isCompilerFolder,
               compilerFolder_, *compilerDir_);
        if (showCompilerVersion()) {
            warnAboutCompilerVersion();
        }
    });
    app.connectCommand(ok, &QPushButton::clicked, this, [this] { writeSettings(); });
    app.connectCommand(cancel, &QPushButton::clicked, this, [this] { readSettings(); });

    missionTestSwitched(false);
    readSettings();
    centreOnScreen();
}

bool OptionsWindow::missionTest() const {
    return missionTest_->isChecked();
}

void OptionsWindow::readSettings() {
    hide();
    const Settings settings = qv::readSettings(app_.files(), settingsPath(app_.workingFolder()));
    missionTest_->setChecked(settings.missionTest);
    gameDir_->setText(fromUtf8(settings.gameFolder));
    const std::string before = gameFolder_;
    gameFolder_ = gameDir_->text().toStdString();
    compilerDir_->setText(fromUtf8(settings.compilerFolder));
    compilerFolder_ = compilerDir_->text().toStdString();
    if (gameFolder_ != before) {
        emit gameFolderChanged();
    }
}

void OptionsWindow::setGameFolder(const std::string& folder) {
    const bool changed = folder != gameFolder_;
    gameFolder_ = folder;
    gameDir_->setText(fromUtf8(folder));
    if (changed) {
        emit gameFolderChanged();
    }
}

void OptionsWindow::chooseGameFolder(QWidget* owner, bool quietCancel) {
    const std::string chosen =
        QDir::toNativeSeparators(
            app_.dialogs().chooseFolder(owner,
                                        QStringLiteral("Укажите путь к папке с GTA: San Andreas")))
            .toStdString();
    if (chosen.empty() && quietCancel) {
        return;
    }
    const bool forTestRun = isGameFolder(app_.files(), chosen);
    if (!forTestRun && (chosen.empty() || !app_.files().fileExists(radarArchivePath(chosen)))) {
        throw Error("Указан неверный путь!");
    }
    setGameFolder(asFolder(chosen));
    if (!forTestRun) {
        app_.dialogs().message(
            {QString::fromUtf8(ApplicationTitle),
             QStringLiteral("В этой папке есть карта радара, но нет gta_sa.exe или "
                            "data\\script\\main.scm: карта маршрута покажет фон, а проверка "
                            "скрипта миссии с этой папкой не запустится."),
             MessageIcon::Information, MessageButton::Ok, owner});
    }
}

void OptionsWindow::writeSettings() {
    hide();
    qv::writeSettings(
        app_.files(), settingsPath(app_.workingFolder()),
        {missionTest(), gameDir_->text().toStdString(), compilerDir_->text().toStdString()});
}

void OptionsWindow::missionTestSwitched(bool checked) {
    // The game folder stays open to change: the route map needs it too.
    for (QWidget* control :
         {static_cast<QWidget*>(compilerDir_), static_cast<QWidget*>(browseCompiler_)}) {
        control->setEnabled(checked);
    }
    // Only a user who ticks the box in the open window is warned, never a reading of the file.
    if (checked && isVisible()) {
        warnAboutCompilerVersion();
    }
}

void OptionsWindow::warnAboutCompilerVersion() {
    app_.dialogs().message(
        {QStringLiteral("Внимание!"),
         QStringLiteral("Для проверки скрипта миссии требуется Sanny Builder не ниже версии 3.00!"),
         MessageIcon::Warning, MessageButton::Ok, this});
}

void OptionsWindow::showEvent(QShowEvent* event) {
    // sanny.exe may have been updated since the window was last open.
    showCompilerVersion();
    QWidget::showEvent(event);
}

bool OptionsWindow::showCompilerVersion() {
    const std::optional<ProgramVersion> version = compilerVersion(app_.files(), compilerFolder_);
    if (version) {
        compilerVersion_->setText(fromUtf8("Sanny Builder " + versionText(*version)));
    } else if (isCompilerFolder(app_.files(), compilerFolder_)) {
        compilerVersion_->setText(QStringLiteral("Версия Sanny Builder не определена"));
    } else {
        compilerVersion_->clear();
    }
    compilerVersion_->setVisible(!compilerVersion_->text().isEmpty());
    return isTooOldCompiler(version);
}

void OptionsWindow::browse(const QString& prompt,
                           bool (*accepts)(const FileSystem&, const std::string&),
                           std::string& folder, QLineEdit& field) {
    const std::string chosen =
        QDir::toNativeSeparators(app_.dialogs().chooseFolder(this, prompt)).toStdString();
    if (!accepts(app_.files(), chosen)) {
        throw Error("Указан неверный путь!");
    }
    folder = asFolder(chosen);
    field.setText(fromUtf8(folder));
}

void OptionsWindow::centreOnScreen() {
    adjustSize();
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

QWidget* createOptionsWindow(EditorApp& app) {
    auto* window = new OptionsWindow(app);
    installTestRun(app, *window);
    return window;
}

}  // namespace qv::ui
