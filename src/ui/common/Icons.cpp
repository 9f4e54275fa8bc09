#include "ui/common/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace qv::ui::icons {

namespace {

constexpr int Size = 16;

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon capture() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0x80, 0x00, 0x00), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.drawLine(QPointF(8, 0.5), QPointF(8, 5));
        p.drawLine(QPointF(8, 11), QPointF(8, 15.5));
        p.drawLine(QPointF(0.5, 8), QPointF(5, 8));
        p.drawLine(QPointF(11, 8), QPointF(15.5, 8));
        p.setBrush(QColor(0xC0, 0x00, 0x00));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(8, 8), 1.5, 1.5);
    });
}

QIcon startFlag() {
    return drawn([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(2, 1, 2, 15), QColor(0x60, 0x40, 0x20));
        p.fillRect(QRect(4, 1, 11, 9), Qt::white);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 4; ++column) {
                if ((row + column) % 2 == 0) {
                    p.fillRect(QRect(4 + column * 3, 1 + row * 3, 3, 3), Qt::black);
                }
            }
        }
        p.setPen(Qt::black);
        p.drawRect(QRect(4, 1, 11, 9));
    });
}

QIcon car() {
    return drawn([](QPainter& p) {
        QPainterPath body;
        body.moveTo(1, 11);
        body.lineTo(1, 8);
        body.lineTo(4, 7);
        body.lineTo(6, 4);
        body.lineTo(11, 4);
        body.lineTo(13, 7);
        body.lineTo(15, 8);
        body.lineTo(15, 11);
        body.closeSubpath();
        p.setPen(QPen(QColor(0x10, 0x30, 0x80), 1));
        p.setBrush(QColor(0x30, 0x70, 0xE0));
        p.drawPath(body);
        p.setBrush(QColor(0xD0, 0xE8, 0xFF));
        p.drawRect(QRectF(6.5, 5, 4, 2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawEllipse(QPointF(4.5, 12), 2.2, 2.2);
        p.drawEllipse(QPointF(11.5, 12), 2.2, 2.2);
    });
}

QIcon checkpoint() {
    return drawn([](QPainter& p) {
        QPainterPath marker;
        marker.moveTo(8, 15);
        marker.cubicTo(3, 9, 2, 7, 2, 6);
        marker.arcTo(QRectF(2, 0.5, 12, 11), 180, -180);
        marker.cubicTo(14, 7, 13, 9, 8, 15);
        p.setPen(QPen(QColor(0x80, 0x10, 0x10), 1));
        p.setBrush(QColor(0xE0, 0x30, 0x30));
        p.drawPath(marker);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 6), 2.3, 2.3);
    });
}

QIcon settings() {
    return drawn([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        const int knobs[] = {9, 4, 11};
        for (int i = 0; i < 3; ++i) {
            const int y = 3 + i * 5;
            p.fillRect(QRect(1, y, 14, 1), QColor(0x50, 0x50, 0x50));
            p.fillRect(QRect(knobs[i] - 2, y - 2, 4, 5), QColor(0x20, 0x80, 0x20));
        }
    });
}

}  // namespace qv::ui::icons
