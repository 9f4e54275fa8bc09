#include "ui/map/NumberTexts.h"

namespace qv::ui {

const QStaticText& NumberTexts::text(int number, const QFont& font) {
    if (font != font_) {
        texts_.clear();
        font_ = font;
    }
    QStaticText& text = texts_[number];
    if (text.text().isEmpty()) {
        text.setText(QString::number(number));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
    }
    return text;
}

}  // namespace qv::ui
