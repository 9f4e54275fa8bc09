#pragma once

#include <QWidget>
#include <string>

#include "platform/FileSystem.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv::ui {

class EditorApp;

// "Настройки программы": whether every built mission is test-run, and the folders of the game
// and of Sanny Builder, kept in settings.ini in the working folder. What the window shows is in
// effect at once: the check box is the test option itself (bound to the main window's action
// AMissionTestCheck), and a folder chosen with a browse button is the folder in effect. "ОК"
// only makes the state persistent; "Отмена" reads the file again. Below the compiler's folder it
// shows the version of its sanny.exe, read each time the window opens or the folder is chosen.
// The game folder serves the test run and the route map alike, so it can be chosen whether the
// test run is on or not.
//
// "Язык / Language" chooses the program's language, kept in the file's section "Interface"; the
// program takes it at its next start, and the window says so while the choice is another
// language than the one the program speaks now. The choice is written only when "ОК" changes
// it, so a file of a user who never chose stays as it was.
class OptionsWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit OptionsWindow(EditorApp& app);

    bool missionTest() const;
    // The folders in effect, each ending with a separator (or empty).
    const std::string& gameFolder() const { return gameFolder_; }
    const std::string& compilerFolder() const { return compilerFolder_; }
    // Makes `folder` the game folder in effect and shows it.
    void setGameFolder(const std::string& folder);
    // Asks for the game folder in a chooser owned by `owner` and makes it the folder in effect.
    // A folder with the game's program and main script serves every feature; one with only the
    // radar map's archive serves the route map, and the user is told what the test run lacks
    // there. Any other folder is refused with an error and changes nothing; so is a cancelled
    // chooser, unless `quietCancel`.
    void chooseGameFolder(QWidget* owner, bool quietCancel = false);

    // Hides the window and takes every setting from the file; missing ones are the defaults.
    void readSettings();
    // Hides the window and writes the check box and both fields to the file, and the language
    // when another one is chosen than the file holds.
    void writeSettings();

  protected:
    void showEvent(QShowEvent* event) override;

  signals:
    // The game folder in effect is another one now.
    void gameFolderChanged();

  private:
    void missionTestSwitched(bool checked);
    void warnAboutCompilerVersion();
    // Shows the version of the compiler in effect; true when it is known to be too old.
    bool showCompilerVersion();
    // Lets the user choose a folder; `accepts` decides whether it holds what it should.
    void browse(const QString& prompt, bool (*accepts)(const FileSystem&, const std::string&),
                std::string& folder, QLineEdit& field);
    void centreOnScreen();
    // Shows the note on the language's change while the chosen one is not the one in use.
    void showLanguageNote();

    EditorApp& app_;
    QCheckBox* missionTest_;
    QLineEdit* gameDir_;
    QPushButton* browseGame_;
    QLineEdit* compilerDir_;
    QPushButton* browseCompiler_;
    QLabel* compilerVersion_;
    QComboBox* language_;
    QLabel* languageNote_;
    std::string gameFolder_;
    std::string compilerFolder_;
};

}  // namespace qv::ui
