#include "ui/common/ScreenFit.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace qv::ui {

namespace {

// What the window system adds around the inside of a window, as far as the style knows it.
QMargins frameAround() {
    const QStyle* style = QApplication::style();
    const int border = style != nullptr ? style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth) : 4;
    const int titleBar = style != nullptr ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 24;
    return {border, titleBar + border, border, border};
}

qint64 area(const QRect& rect) {
    return rect.isValid() ? qint64(rect.width()) * rect.height() : 0;
}

}  // namespace

QRect fittedInto(const QRect& kept, const QRect& available) {
    const QRect inside = available.marginsRemoved(frameAround());
    QRect fitted(kept.topLeft(), kept.size().boundedTo(inside.size()));
    fitted.moveLeft(std::clamp(fitted.left(), inside.left(), inside.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), inside.top(), inside.bottom() - fitted.height() + 1));
    return fitted;
}

QRect fittedToScreens(const QRect& kept) {
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const qint64 overlap = area(screen->availableGeometry().intersected(kept));
        if (overlap > bestOverlap) {
            best = screen;
            bestOverlap = overlap;
        }
    }
    return best != nullptr ? fittedInto(kept, best->availableGeometry()) : kept;
}

std::optional<QPoint> besideOf(const QRect& neighbour, const QSize& size, const QRect& available) {
    const int top =
        std::clamp(neighbour.top(), available.top(), available.bottom() - size.height() + 1);
    if (size.height() > available.height()) {
        return std::nullopt;
    }
    if (neighbour.right() + size.width() <= available.right()) {
        return QPoint(neighbour.right() + 1, top);
    }
    if (neighbour.left() - size.width() >= available.left()) {
        return QPoint(neighbour.left() - size.width(), top);
    }
    return std::nullopt;
}

}  // namespace qv::ui
