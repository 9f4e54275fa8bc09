#include "ui/script/ScriptEditor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

namespace qv::ui {

class LineNumberMargin final : public QWidget {
  public:
    explicit LineNumberMargin(ScriptEditor& editor) : QWidget(&editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_.marginWidth(), 0}; }

  protected:
    void paintEvent(QPaintEvent* event) override { editor_.paintMargin(event); }

  private:
    ScriptEditor& editor_;
};

namespace {
constexpr int MarginPadding = 6;
}  // namespace

ScriptEditor::ScriptEditor(QWidget* parent)
    : QPlainTextEdit(parent), margin_(new LineNumberMargin(*this)) {
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptEditor::fitMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptEditor::updateMargin);
    fitMargin();
}

void ScriptEditor::fitMargin() {
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    margin_->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

int ScriptEditor::marginWidth() const {
    const int digits = static_cast<int>(QString::number(qMax(1, blockCount())).size());
    return 2 * MarginPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void ScriptEditor::goToLine(int line) {
    const QTextBlock block = document()->findBlockByNumber(qBound(1, line, blockCount()) - 1);
    // The line is selected, so that the eye finds it.
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    centerCursor();
    setFocus();
}

void ScriptEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    fitMargin();
}

void ScriptEditor::updateMargin(const QRect& rect, int dy) {
    if (dy != 0) {
        margin_->scroll(0, dy);
    } else {
        margin_->update(0, rect.y(), margin_->width(), rect.height());
    }
}

void ScriptEditor::paintMargin(QPaintEvent* event) {
    QPainter painter(margin_);
    painter.fillRect(event->rect(), QColor(240, 240, 240));
    painter.setPen(QColor(128, 128, 128));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.drawText(0, top, margin_->width() - MarginPadding, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}

}  // namespace qv::ui
