#include "ui/common/Look.h"

#include <QPalette>
#include <QWidget>

namespace qv::ui::look {

namespace {
constexpr const char* WindowFamily = "Tahoma";
constexpr const char* MonoFamily = "Courier New";
constexpr int PointSize = 8;
}  // namespace

void registerFontSubstitutes() {
    QFont::insertSubstitutions(QString::fromLatin1(WindowFamily),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")});
    QFont::insertSubstitutions(QString::fromLatin1(MonoFamily),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
}

QFont windowFont() {
    return QFont(QString::fromLatin1(WindowFamily), PointSize);
}

int characterWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QLatin1Char('x'));
}

QFont monoFont(bool bold) {
    QFont font(QString::fromLatin1(MonoFamily), PointSize + 1);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(bold);
    return font;
}

void setTextLook(QWidget& widget, const QFont& font, const QColor& colour) {
    widget.setFont(font);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

}  // namespace qv::ui::look
