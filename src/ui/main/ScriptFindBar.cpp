#include "ui/main/ScriptFindBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>

namespace qv::ui {

namespace {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ScriptFindBar::ScriptFindBar(QPlainTextEdit& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("FindBar"));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("FindText"));
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("FindCount"));
    QPushButton* next = makeButton("FindNextBtn", QStringLiteral("Далее"), this);
    QPushButton* previous = makeButton("FindPreviousBtn", QStringLiteral("Назад"), this);
    QPushButton* closeButton = makeButton("FindCloseBtn", QStringLiteral("Закрыть"), this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(QStringLiteral("Найти:"), this));
    layout->addWidget(text_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(count_);
    layout->addWidget(closeButton);

    connect(text_, &QLineEdit::textChanged, this, [this] {
        // Searching again from the start of the current match keeps it while it still matches.
        QTextCursor cursor = editor_.textCursor();
        cursor.setPosition(cursor.selectionStart());
        editor_.setTextCursor(cursor);
        markAll();
        find(false);
    });
    connect(text_, &QLineEdit::returnPressed, this, &ScriptFindBar::findNext);
    connect(next, &QPushButton::clicked, this, &ScriptFindBar::findNext);
    connect(previous, &QPushButton::clicked, this, &ScriptFindBar::findPrevious);
    connect(closeButton, &QPushButton::clicked, this, &ScriptFindBar::dismiss);
    const auto onField = [this](const QKeySequence& keys, auto slot) {
        auto* shortcut = new QShortcut(keys, text_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    onField(QKeySequence(Qt::SHIFT | Qt::Key_Return), &ScriptFindBar::findPrevious);
    onField(QKeySequence(Qt::SHIFT | Qt::Key_Enter), &ScriptFindBar::findPrevious);
    onField(QKeySequence(Qt::Key_Escape), &ScriptFindBar::dismiss);
    hide();
}

void ScriptFindBar::open() {
    const QString selected = editor_.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) {
        text_->setText(selected);
    }
    show();
    text_->selectAll();
    text_->setFocus();
    markAll();
}

void ScriptFindBar::dismiss() {
    hide();
    editor_.setExtraSelections({});
    editor_.setFocus();
}

void ScriptFindBar::find(bool backwards) {
    const QString wanted = text_->text();
    if (wanted.isEmpty()) {
        return;
    }
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextDocument& document = *editor_.document();
    QTextCursor found = document.find(wanted, editor_.textCursor(), flags);
    if (found.isNull()) {
        QTextCursor wrap(&document);
        wrap.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        found = document.find(wanted, wrap, flags);
    }
    if (!found.isNull()) {
        editor_.setTextCursor(found);
        editor_.centerCursor();
    }
}

void ScriptFindBar::markAll() {
    QList<QTextEdit::ExtraSelection> marks;
    const QString wanted = text_->text();
    if (!wanted.isEmpty()) {
        QTextCharFormat format;
        format.setBackground(QColor(255, 230, 100));
        QTextCursor at(editor_.document());
        while (!(at = editor_.document()->find(wanted, at)).isNull()) {
            marks.append({at, format});
        }
    }
    matchCount_ = static_cast<int>(marks.size());
    editor_.setExtraSelections(marks);
    count_->setText(wanted.isEmpty()   ? QString()
                    : matchCount_ == 0 ? QStringLiteral("Не найдено")
                                       : QStringLiteral("Найдено: %1").arg(matchCount_));
}

}  // namespace qv::ui
