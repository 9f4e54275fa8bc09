#include "ui/options/OptionsWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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
#include "gamelink/LanguageSetting.h"
#include "gamelink/Settings.h"
#include "model/Error.h"
#include "platform/Paths.h"
#include "platform/UserLanguage.h"
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

// The language list: each entry names its language in that language, so that a user who does
// not read the language in use still finds their own.
QComboBox* makeLanguageList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("Language"));
    list->addItem(QStringLiteral("Как в системе / System"), int(LanguageChoice::System));
    list->addItem(QStringLiteral("Русский"), int(LanguageChoice::Russian));
    list->addItem(QStringLiteral("English"), int(LanguageChoice::English));
    return list;
}

LanguageChoice choiceOf(const QComboBox& list) {
    return LanguageChoice(list.currentData().toInt());
}

}  // namespace

OptionsWindow::OptionsWindow(EditorApp& app)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), app_(app) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(tr("Настройки программы"));

    QAction& action = app.mainWindow().missionTestAction();
    missionTest_ = makeCheckBox("AMissionTest", action.text(), {}, this);
    gameDir_ = makeLineEdit("AGameDir", {}, this);
    browseGame_ = makeButton("BrowseGameBtn", tr("Обзор..."), {}, this);
    compilerDir_ = makeLineEdit("ASBDir", {}, this);
    browseCompiler_ = makeButton("BrowseSBBtn", tr("Обзор..."), {}, this);
    compilerVersion_ = makeLabel({}, this);
    compilerVersion_->setObjectName(QStringLiteral("SBVersion"));
    language_ = makeLanguageList(this);
    languageNote_ = makeLabel(tr("Язык сменится при следующем запуске программы."), this);
    languageNote_->setObjectName(QStringLiteral("LanguageNote"));
    languageNote_->setWordWrap(true);
    auto* ok = makeButton("Button4", tr("ОК"), {}, this);
    auto* cancel = makeButton("Button1", tr("Отмена"), {}, this);
    ok->setDefault(true);

    auto* folders = new QGridLayout;
    folders->setHorizontalSpacing(6);
    folders->addWidget(makeLabel(tr("Путь к GTA: San Andreas:"), this), 0, 0);
    folders->addWidget(gameDir_, 1, 0);
    folders->addWidget(browseGame_, 1, 1);
    folders->addWidget(makeLabel(tr("Путь к Sanny Builder:"), this), 2, 0);
    folders->addWidget(compilerDir_, 3, 0);
    folders->addWidget(browseCompiler_, 3, 1);
    folders->addWidget(compilerVersion_, 4, 0);
    gameDir_->setMinimumWidth(300);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(makeLabel(QStringLiteral("Язык / Language"), this));
    languageRow->addWidget(language_);
    languageRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(missionTest_);
    layout->addSpacing(6);
    layout->addLayout(folders);
    layout->addSpacing(6);
    layout->addLayout(languageRow);
    layout->addWidget(languageNote_);
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
        browse(tr("Укажите путь к папке с Sanny Builder"), isCompilerFolder, compilerFolder_,
               *compilerDir_);
        if (showCompilerVersion()) {
            warnAboutCompilerVersion();
        }
    });
    app.connectCommand(ok, &QPushButton::clicked, this, [this] { writeSettings(); });
    app.connectCommand(cancel, &QPushButton::clicked, this, [this] { readSettings(); });
    connect(language_, &QComboBox::currentIndexChanged, this, [this] { showLanguageNote(); });

    missionTestSwitched(false);
    readSettings();
    centreOnScreen();
}

bool OptionsWindow::missionTest() const {
    return missionTest_->isChecked();
}

void OptionsWindow::readSettings() {
    hide();
    const std::string path = settingsPath(app_.workingFolder());
    const Settings settings = qv::readSettings(app_.files(), path);
    language_->setCurrentIndex(language_->findData(int(readLanguageChoice(app_.files(), path))));
    showLanguageNote();
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
            app_.dialogs().chooseFolder(owner, tr("Укажите путь к папке с GTA: San Andreas")))
            .toStdString();
    if (chosen.empty() && quietCancel) {
        return;
    }
    const bool forTestRun = isGameFolder(app_.files(), chosen);
    if (!forTestRun && (chosen.empty() || !app_.files().fileExists(radarArchivePath(chosen)))) {
        throw Error(tr("Указан неверный путь!").toStdString());
    }
    setGameFolder(asFolder(chosen));
    if (!forTestRun) {
        app_.dialogs().message({QString::fromUtf8(ApplicationTitle),
                                tr("В этой папке есть карта радара, но нет gta_sa.exe или "
                                   "data\\script\\main.scm: карта маршрута покажет фон, а проверка "
                                   "скрипта миссии с этой папкой не запустится."),
                                MessageIcon::Information, MessageButton::Ok, owner});
    }
}

void OptionsWindow::writeSettings() {
    hide();
    const std::string path = settingsPath(app_.workingFolder());
    qv::writeSettings(
        app_.files(), path,
        {missionTest(), gameDir_->text().toStdString(), compilerDir_->text().toStdString()});
    if (const LanguageChoice choice = choiceOf(*language_);
        choice != readLanguageChoice(app_.files(), path)) {
        writeLanguageChoice(app_.files(), path, choice);
    }
}

void OptionsWindow::showLanguageNote() {
    languageNote_->setVisible(chosenLanguage(choiceOf(*language_), userLanguage()) !=
                              currentLanguage());
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
        {tr("Внимание!"),
         tr("Для проверки скрипта миссии требуется Sanny Builder не ниже версии 3.00!"),
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
        compilerVersion_->setText(tr("Версия Sanny Builder не определена"));
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
        throw Error(tr("Указан неверный путь!").toStdString());
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
