#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "generator/ScriptWarnings.h"

class QLabel;
class QPlainTextEdit;
class QSplitter;

namespace qv::ui {

class EditorApp;
class ScriptEditor;
class ScriptFindBar;
class ScriptHighlighter;
class GoToLineBar;
class WarningsPanel;

// "Mission Script": the built script, in a text field named Script from which the user copies
// it into the game's main script, coloured as Sanny Builder source and numbered by line, with
// the build's warnings below it. "Копировать всё" copies the whole text, "Сохранить скрипт..."
// writes the script as built (whatever was typed into the text since) as Sanny Builder reads
// it; Ctrl+F searches and Ctrl+G goes to a line.
class ScriptWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit ScriptWindow(EditorApp& app);

    QPlainTextEdit& script() const;
    const ScriptHighlighter& highlighter() const { return *highlighter_; }
    ScriptFindBar& findBar() const { return *findBar_; }
    WarningsPanel& warnings() const { return *warnings_; }
    // Shows the window maximised with `lines` as its whole text, set in one step.
    void showScript(const std::vector<std::string>& lines);
    // Lists the build's warnings below the text.
    void showWarnings(const std::vector<ScriptWarning>& warnings);

  private:
    void copyAll();
    void saveScript();

    EditorApp& app_;
    ScriptEditor* script_;
    ScriptHighlighter* highlighter_;
    WarningsPanel* warnings_;
    QSplitter* splitter_;
    int warningsHeight_ = 0;  // the warnings' height while there are some
    ScriptFindBar* findBar_;
    GoToLineBar* goToLine_;
    QLabel* saved_;                   // where the script was last saved
    std::vector<std::string> built_;  // the script last shown, as the build gave it
};

}  // namespace qv::ui
