#pragma once

#include <QPlainTextEdit>

namespace qv::ui {

// The script's text field: a plain text field with the line numbers in a margin on its left.
class ScriptEditor final : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit ScriptEditor(QWidget* parent = nullptr);

    // The margin's width for the current number of lines.
    int marginWidth() const;
    // Selects line `line` (from 1, kept within the text) and scrolls it into the middle of the
    // view.
    void goToLine(int line);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class LineNumberMargin;
    void fitMargin();
    void paintMargin(QPaintEvent* event);
    void updateMargin(const QRect& rect, int dy);

    QWidget* margin_;
};

}  // namespace qv::ui
