#include "ui/script/ScriptHighlighter.h"

#include <QSet>

namespace qv::ui {

namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

bool isHexDigit(QChar c) {
    return c.isDigit() || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

// The end of the word that starts at `at` (letters, digits and "_").
int wordEnd(const QString& text, int at) {
    while (at < text.size() && isWordChar(text[at])) {
        ++at;
    }
    return at;
}

bool all(const QString& text, int from, int to, bool (*test)(QChar)) {
    for (int i = from; i < to; ++i) {
        if (!test(text[i])) {
            return false;
        }
    }
    return true;
}

bool isDigit(QChar c) {
    return c.isDigit();
}

// A number's end: its digits, then a fraction after ".".
int numberEnd(const QString& text, int at) {
    at = wordEnd(text, at);
    if (at < text.size() && text[at] == u'.') {
        at = wordEnd(text, at + 1);
    }
    return at;
}

bool isKeyword(QStringView word) {
    static const QSet<QString> keywords = {
        QStringLiteral("if"),         QStringLiteral("then"),
        QStringLiteral("else"),       QStringLiteral("end"),
        QStringLiteral("while"),      QStringLiteral("jf"),
        QStringLiteral("jump"),       QStringLiteral("gosub"),
        QStringLiteral("return"),     QStringLiteral("thread"),
        QStringLiteral("wait"),       QStringLiteral("var"),
        QStringLiteral("end_thread"), QStringLiteral("create_thread"),
        QStringLiteral("for"),        QStringLiteral("to"),
        QStringLiteral("downto"),     QStringLiteral("step"),
        QStringLiteral("and"),        QStringLiteral("or"),
        QStringLiteral("not"),        QStringLiteral("continue"),
        QStringLiteral("break"),      QStringLiteral("repeat"),
        QStringLiteral("until"),      QStringLiteral("const"),
        QStringLiteral("ms"),         QStringLiteral("integer"),
        QStringLiteral("float"),      QStringLiteral("array"),
        QStringLiteral("of"),         QStringLiteral("true"),
        QStringLiteral("false"),      QStringLiteral("jump_if_false")};
    return keywords.contains(word.toString().toLower());
}

QTextCharFormat coloured(QColor colour, bool bold = false, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(colour);
    if (bold) {
        format.setFontWeight(QFont::Bold);
    }
    format.setFontItalic(italic);
    return format;
}

}  // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    formats_ = {
        coloured(QColor(0, 128, 0), false, true),  // Comment
        coloured(QColor(128, 0, 0), true),         // Label
        coloured(QColor(128, 0, 0)),               // Jump
        coloured(QColor(128, 128, 128)),           // Opcode
        coloured(QColor(0, 0, 160), true),         // Keyword
        coloured(QColor(128, 0, 128)),             // String
        coloured(QColor(0, 128, 128)),             // Number
        coloured(QColor(0, 0, 255)),               // Global
        coloured(QColor(0, 96, 160)),              // Local
        coloured(QColor(128, 64, 0)),              // ClassMember
        coloured(QColor(176, 80, 0)),              // Model
    };
}

void ScriptHighlighter::highlightBlock(const QString& text) {
    const int n = static_cast<int>(text.size());
    int i = 0;
    while (i < n) {
        const QChar c = text[i];
        const bool wordFollows = i + 1 < n && isWordChar(text[i + 1]);
        if (c == u'/' && i + 1 < n && text[i + 1] == u'/') {
            mark(i, n - i, ScriptToken::Comment);
            return;
        }
        if (c == u'\'' || c == u'"') {
            const int close = static_cast<int>(text.indexOf(c, i + 1));
            const int end = close < 0 ? n : close + 1;
            mark(i, end - i, ScriptToken::String);
            i = end;
        } else if ((c == u':' || c == u'@' || c == u'$' || c == u'#') && wordFollows) {
            const int end = wordEnd(text, i + 1);
            const ScriptToken token = c == u':'   ? ScriptToken::Label
                                      : c == u'@' ? ScriptToken::Jump
                                      : c == u'$' ? ScriptToken::Global
                                                  : ScriptToken::Model;
            mark(i, end - i, token);
            i = end;
        } else if (c == u'-' && i + 1 < n && text[i + 1].isDigit() &&
                   (i == 0 || !isWordChar(text[i - 1]))) {
            const int end = numberEnd(text, i + 1);
            mark(i, end - i, ScriptToken::Number);
            i = end;
        } else if (isWordChar(c)) {
            int end = wordEnd(text, i);
            if (end - i == 4 && end < n && text[end] == u':' && all(text, i, end, isHexDigit)) {
                mark(i, 5, ScriptToken::Opcode);
                ++end;
            } else if (all(text, i, end, isDigit) && end < n && text[end] == u'@') {
                ++end;
                mark(i, end - i, ScriptToken::Local);
            } else if (c.isDigit()) {
                end = numberEnd(text, i);
                mark(i, end - i, ScriptToken::Number);
            } else if (end + 1 < n && text[end] == u'.' && text[end + 1].isLetter()) {
                end = wordEnd(text, end + 1);
                mark(i, end - i, ScriptToken::ClassMember);
            } else if (isKeyword(QStringView(text).mid(i, end - i))) {
                mark(i, end - i, ScriptToken::Keyword);
            }
            i = end;
        } else {
            ++i;
        }
    }
}

}  // namespace qv::ui
