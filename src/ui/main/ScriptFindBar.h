#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace qv::ui {

// The script window's search ("Найти:"), shown by Ctrl+F below the text: every match of the
// text typed is marked, and Enter, F3 or "Далее" select the next one, Shift+Enter, Shift+F3 or
// "Назад" the one before, going round at either end. Letter case does not matter. Escape hides
// it and takes the marks away.
class ScriptFindBar final : public QWidget {
    Q_OBJECT

  public:
    explicit ScriptFindBar(QPlainTextEdit& editor, QWidget* parent = nullptr);

    // Shows the bar with the text field selected, filled with the editor's selection if any.
    void open();
    void dismiss();
    void findNext() { find(false); }
    void findPrevious() { find(true); }
    // The number of matches marked.
    int matchCount() const { return matchCount_; }

  private:
    void find(bool backwards);
    void markAll();

    QPlainTextEdit& editor_;
    QLineEdit* text_;
    QLabel* count_;
    int matchCount_ = 0;
};

}  // namespace qv::ui
