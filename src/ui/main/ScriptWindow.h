#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace qv::ui {

// "Mission Script": the built script, in a plain text field named Script from which the user
// copies it into the game's main script.
class ScriptWindow final : public QWidget {
    Q_OBJECT

  public:
    ScriptWindow();

    QPlainTextEdit& script() const { return *script_; }
    // Shows the window maximised with `lines` as its whole text, set in one step.
    void showScript(const std::vector<std::string>& lines);

  private:
    QPlainTextEdit* script_;
};

}  // namespace qv::ui
