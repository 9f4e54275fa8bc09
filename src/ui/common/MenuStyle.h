#pragma once

#include <QProxyStyle>

class QMenuBar;

namespace qv::ui {

// The look of the main menu: an icon column in the button-face colour beside a lighter text
// area, a light-blue selection bar in a blue frame, items 22 pixels high, and a one-pixel dark
// border around each pop-up so that it stands out from a light window behind it.
class MenuStyle final : public QProxyStyle {
    Q_OBJECT

  public:
    static constexpr int ItemHeight = 22;
    static constexpr int SeparatorHeight = 7;
    static constexpr int IconColumnWidth = 24;
    static const QColor SelectionBar;
    static const QColor SelectionFrame;

    MenuStyle();

    // Gives `bar` and every menu on it this look; the style lives as long as the bar.
    static void apply(QMenuBar& bar);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

  private:
    void drawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void drawMenuBarItem(const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const;
};

}  // namespace qv::ui
