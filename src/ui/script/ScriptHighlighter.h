#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>

namespace qv::ui {

// The kinds of Sanny Builder source that the script window colours.
enum class ScriptToken {
    Comment,      // "// ..." to the end of the line
    Label,        // ":Name"
    Jump,         // "@Name"
    Opcode,       // "0A8C:"
    Keyword,      // if, then, end, while, jf, gosub, wait, var, ...
    String,       // 'RACES_0', "text"
    Number,       // 1000, -1.0
    Global,       // $name, $11192
    Local,        // 0@, 452@
    ClassMember,  // Marker.Disable
    Model,        // #INFERNUS
};
inline constexpr int ScriptTokenCount = 11;

// Colours Sanny Builder source line by line with a hand-written scanner (no regular
// expressions), fast enough for the largest mission's script as it is shown.
class ScriptHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT

  public:
    explicit ScriptHighlighter(QTextDocument* document);

    const QTextCharFormat& format(ScriptToken token) const {
        return formats_[static_cast<size_t>(token)];
    }

  protected:
    void highlightBlock(const QString& text) override;

  private:
    void mark(int start, int length, ScriptToken token) { setFormat(start, length, format(token)); }

    std::array<QTextCharFormat, ScriptTokenCount> formats_;
};

}  // namespace qv::ui
