#include "ui/common/MenuStyle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace qv::ui {

namespace {

constexpr int TextIndent = 8;
constexpr int ShortcutMargin = 16;
constexpr int SelectionInset = 1;

QColor textAreaColour(const QPalette& palette) {
    return palette.color(QPalette::Button).lighter(112);
}

void drawSelection(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setPen(MenuStyle::SelectionFrame);
    painter.setBrush(MenuStyle::SelectionBar);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace

const QColor MenuStyle::SelectionBar{0xC5, 0xD8, 0xFC};
const QColor MenuStyle::SelectionFrame{0x4B, 0x87, 0xF5};

MenuStyle::MenuStyle() = default;

void MenuStyle::apply(QMenuBar& bar) {
    auto* style = new MenuStyle;
    style->setParent(&bar);
    bar.setStyle(style);
    for (QAction* action : bar.actions()) {
        if (QMenu* menu = action->menu()) {
            menu->setStyle(style);
        }
    }
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    switch (element) {
        case CE_MenuItem:
            drawMenuItem(option, painter, widget);
            return;
        case CE_MenuBarItem:
            drawMenuBarItem(option, painter, widget);
            return;
        case CE_MenuEmptyArea:
            painter->fillRect(option->rect, textAreaColour(option->palette));
            return;
        default:
            QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void MenuStyle::drawMenuItem(const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) {
        QProxyStyle::drawControl(CE_MenuItem, option, painter, widget);
        return;
    }
    const QRect rect = item->rect;
    const QRect iconColumn(rect.left(), rect.top(), IconColumnWidth, rect.height());
    painter->fillRect(rect, textAreaColour(item->palette));
    painter->fillRect(iconColumn, item->palette.color(QPalette::Button));

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = rect.center().y();
        painter->setPen(item->palette.color(QPalette::Mid));
        painter->drawLine(iconColumn.right() + TextIndent, y, rect.right() - 2, y);
        return;
    }

    const bool enabled = item->state.testFlag(State_Enabled);
    if (enabled && item->state.testFlag(State_Selected)) {
        drawSelection(*painter, rect.adjusted(SelectionInset, 0, -SelectionInset, 0));
    }
    if (!item->icon.isNull()) {
        const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
        item->icon.paint(painter, iconColumn.adjusted(3, 3, -3, -3), Qt::AlignCenter, mode);
    } else if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
        QStyleOption check(*item);
        check.rect = iconColumn.adjusted(5, 5, -5, -5);
        check.state |= State_On;
        proxy()->drawPrimitive(PE_IndicatorMenuCheckMark, &check, painter, widget);
    }

    QString text = item->text;
    QString shortcut;
    if (const qsizetype tab = text.indexOf(QLatin1Char('\t')); tab >= 0) {
        shortcut = text.mid(tab + 1);
        text.truncate(tab);
    }
    const QRect textRect = rect.adjusted(IconColumnWidth + TextIndent, 0, -ShortcutMargin, 0);
    const QPalette::ColorRole role = QPalette::ButtonText;
    proxy()->drawItemText(painter, textRect, Qt::AlignVCenter | Qt::TextShowMnemonic, item->palette,
                          enabled, text, role);
    proxy()->drawItemText(painter, textRect, Qt::AlignVCenter | Qt::AlignRight, item->palette,
                          enabled, shortcut, role);
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow(*item);
        arrow.rect = QRect(rect.right() - ShortcutMargin + 4, rect.top(), 8, rect.height());
        proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
}

void MenuStyle::drawMenuBarItem(const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    painter->fillRect(item->rect, item->palette.color(QPalette::Button));
    const bool enabled = item->state.testFlag(State_Enabled);
    const bool active = item->state.testFlag(State_Selected) || item->state.testFlag(State_Sunken);
    if (enabled && active) {
        drawSelection(*painter, item->rect.adjusted(0, 1, 0, -1));
    }
    proxy()->drawItemText(painter, item->rect, Qt::AlignCenter | Qt::TextShowMnemonic,
                          item->palette, enabled, item->text, QPalette::ButtonText);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameMenu) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setPen(option->palette.color(QPalette::Dark));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    if (metric == PM_MenuPanelWidth) {
        return 1;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const bool separator =
            item != nullptr && item->menuItemType == QStyleOptionMenuItem::Separator;
        result.setHeight(separator ? SeparatorHeight : ItemHeight);
        result.rwidth() += IconColumnWidth;
    }
    return result;
}

}  // namespace qv::ui
