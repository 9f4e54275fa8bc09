#include "ui/map/NumberTexts.h"

#include <QPainter>
#include <cmath>

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

const QPixmap& NumberTexts::mark(int number, const QFont& font, qreal pixelRatio, int side,
                                 const std::function<void(QPainter&, QPointF centre)>& draw) {
    if (font != markFont_ || pixelRatio != markRatio_) {
        marks_.clear();
        markFont_ = font;
        markRatio_ = pixelRatio;
    }
    QPixmap& mark = marks_[number];
    if (mark.isNull()) {
        const int pixels = static_cast<int>(std::ceil(side * pixelRatio));
        mark = QPixmap(pixels, pixels);
        mark.setDevicePixelRatio(pixelRatio);
        mark.fill(Qt::transparent);
        QPainter painter(&mark);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setFont(font);
        draw(painter, QPointF(side / 2.0, side / 2.0));
    }
    return mark;
}

}  // namespace qv::ui
