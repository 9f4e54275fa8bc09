#include "ui/editors/FoldingPanel.h"

#include <QWidget>
#include <algorithm>

namespace qv::ui {

namespace {
constexpr int PanelMargin = 6;
}  // namespace

FoldingPanel::FoldingPanel(QWidget& dialog, QWidget& area, QWidget& panel, int narrowWidth,
                           int wideWidth, int startWidth)
    : dialog_(dialog),
      area_(area),
      panel_(panel),
      narrowWidth_(narrowWidth),
      wideWidth_(wideWidth),
      panelWidth_(wideWidth - narrowWidth) {
    height_ =
        std::max(area.sizeHint().height(), panel.minimumSizeHint().height() + 2 * PanelMargin);
    place();
    panel.setEnabled(false);
    setWidth(startWidth);
}

void FoldingPanel::toggle() {
    const bool open = !panel_.isEnabled();
    panel_.setEnabled(open);
    setWidth(open ? wideWidth_ : narrowWidth_);
}

void FoldingPanel::setLeastWidth(int width) {
    const int narrow = std::max(width, narrowWidth_ - extraWidth_);
    if (narrow == narrowWidth_) {
        return;
    }
    const bool wide = dialog_.width() == wideWidth_;
    extraWidth_ += narrow - narrowWidth_;
    narrowWidth_ = narrow;
    wideWidth_ = narrow + panelWidth_;
    place();
    setWidth(wide ? wideWidth_ : narrowWidth_);
}

void FoldingPanel::place() {
    area_.setGeometry(0, 0, narrowWidth_, height_);
    panel_.setGeometry(narrowWidth_, PanelMargin, panelWidth_ - PanelMargin,
                       height_ - 2 * PanelMargin);
}

void FoldingPanel::setWidth(int width) {
    dialog_.setFixedSize(std::clamp(width, narrowWidth_, wideWidth_), height_);
}

}  // namespace qv::ui
