#include "ui/script/ScriptFindBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
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
    QPushButton* next = makeButton("FindNextBtn", tr("Далее"), this);
    QPushButton* previous = makeButton("FindPreviousBtn", tr("Назад"), this);
    QPushButton* closeButton = makeButton("FindCloseBtn", tr("Закрыть"), this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Найти:"), this));
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
        countMatches();
        find(false);
    });
    connect(editor_.document(), &QTextDocument::contentsChanged, this, [this] {
        plainTextValid_ = false;
        if (isVisible()) {
            countMatches();
            markVisible();
        }
    });
    connect(editor_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (isVisible()) {
            markVisible();
        }
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
    countMatches();
    markVisible();
}

void ScriptFindBar::dismiss() {
    hide();
    editor_.setExtraSelections({});
    editor_.setFocus();
}

void ScriptFindBar::find(bool backwards) {
    const QString wanted = text_->text();
    const QString& text = plainText();
    if (wanted.isEmpty()) {
        markVisible();  // none
        return;
    }
    const QTextCursor cursor = editor_.textCursor();
    qsizetype at = -1;
    if (backwards) {
        const qsizetype before = cursor.selectionStart() - 1;
        at = before < 0 ? -1 : text.lastIndexOf(wanted, before, Qt::CaseInsensitive);
        if (at < 0) {
            at = text.lastIndexOf(wanted, -1, Qt::CaseInsensitive);
        }
    } else {
        at = text.indexOf(wanted, cursor.selectionEnd(), Qt::CaseInsensitive);
        if (at < 0) {
            at = text.indexOf(wanted, 0, Qt::CaseInsensitive);
        }
    }
    if (at >= 0) {
        QTextCursor found(editor_.document());
        found.setPosition(static_cast<int>(at));
        found.setPosition(static_cast<int>(at + wanted.size()), QTextCursor::KeepAnchor);
        editor_.setTextCursor(found);
        editor_.centerCursor();
    }
    markVisible();
}

void ScriptFindBar::countMatches() {
    const QString wanted = text_->text();
    const QString& text = plainText();
    matchCount_ = 0;
    if (!wanted.isEmpty()) {
        for (qsizetype at = 0; (at = text.indexOf(wanted, at, Qt::CaseInsensitive)) >= 0;
             at += wanted.size()) {
            ++matchCount_;
        }
    }
    count_->setText(wanted.isEmpty()   ? QString()
                    : matchCount_ == 0 ? tr("Не найдено")
                                       : tr("Найдено: %1").arg(matchCount_));
}

void ScriptFindBar::markVisible() {
    QList<QTextEdit::ExtraSelection> marks;
    const QString wanted = text_->text();
    const QString& text = plainText();
    if (!wanted.isEmpty() && matchCount_ > 0) {
        QTextCharFormat format;
        format.setBackground(QColor(255, 230, 100));
        const QRect view = editor_.viewport()->rect();
        const int first = editor_.cursorForPosition(view.topLeft()).block().position();
        const QTextBlock last = editor_.cursorForPosition(view.bottomRight()).block();
        const qsizetype end = last.position() + last.length();
        for (qsizetype at = text.indexOf(wanted, first, Qt::CaseInsensitive); at >= 0 && at < end;
             at = text.indexOf(wanted, at + wanted.size(), Qt::CaseInsensitive)) {
            QTextCursor match(editor_.document());
            match.setPosition(static_cast<int>(at));
            match.setPosition(static_cast<int>(at + wanted.size()), QTextCursor::KeepAnchor);
            marks.append({match, format});
        }
    }
    editor_.setExtraSelections(marks);
}

const QString& ScriptFindBar::plainText() {
    if (!plainTextValid_) {
        plainText_ = editor_.document()->toPlainText();
        plainTextValid_ = true;
    }
    return plainText_;
}

}  // namespace qv::ui
