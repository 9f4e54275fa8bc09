#pragma once

#include <QWidget>

class QLineEdit;

namespace qv::ui {

class ScriptEditor;

// The script window's "Строка:" field, shown by Ctrl+G below the text: Enter puts the cursor on
// the line typed (the last line for a larger number) and hides the field; Escape hides it.
class GoToLineBar final : public QWidget {
    Q_OBJECT

  public:
    explicit GoToLineBar(ScriptEditor& editor, QWidget* parent = nullptr);

    void open();

  private:
    void go();
    void dismiss();

    ScriptEditor& editor_;
    QLineEdit* line_;
};

}  // namespace qv::ui
