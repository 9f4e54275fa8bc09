#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace qv::ui {

// The script window's search ("Найти:"), shown by Ctrl+F below the text: the matches of the
// text typed are counted and those in view marked (the marks follow the view as it scrolls), and
// Enter, F3 or "Далее" select the next one, Shift+Enter, Shift+F3 or "Назад" the one before,
// going round at either end. Letter case does not matter. Escape hides it and takes the marks
// away. The search runs over one copy of the text kept until the text changes, so a keystroke
// costs a scan of the text and the marks of one screen, whatever the length of the script.
class ScriptFindBar final : public QWidget {
    Q_OBJECT

  public:
    explicit ScriptFindBar(QPlainTextEdit& editor, QWidget* parent = nullptr);

    // Shows the bar with the text field selected, filled with the editor's selection if any.
    void open();
    void dismiss();
    void findNext() { find(false); }
    void findPrevious() { find(true); }
    // The number of matches in the whole text.
    int matchCount() const { return matchCount_; }

  private:
    void find(bool backwards);
    void countMatches();
    void markVisible();
    const QString& plainText();

    QPlainTextEdit& editor_;
    QLineEdit* text_;
    QLabel* count_;
    int matchCount_ = 0;
    QString plainText_;            // the editor's text while it is unchanged; its positions are the
    bool plainTextValid_ = false;  // document's
};

}  // namespace qv::ui
