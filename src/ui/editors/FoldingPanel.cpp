#include "ui/editors/FoldingPanel.h"

#include <QWidget>
#include <algorithm>

namespace qv::ui {

namespace {
constexpr int PanelMargin = 6;
}  // namespace

FoldingPanel::FoldingPanel(QWidget& dialog, QWidget& area, QWidget& panel, int narrowWidth,
                           int wideWidth, int startWidth)
    : dialog_(dialog), panel_(panel), narrowWidth_(narrowWidth), wideWidth_(wideWidth) {
    height_ =
        std::max(area.sizeHint().height(), panel.minimumSizeHint().height() + 2 * PanelMargin);
    area.setGeometry(0, 0, narrowWidth, height_);
    panel.setGeometry(narrowWidth, PanelMargin, wideWidth - narrowWidth - PanelMargin,
                      height_ - 2 * PanelMargin);
    panel.setEnabled(false);
    setWidth(startWidth);
}

void FoldingPanel::toggle() {
    const bool open = !panel_.isEnabled();
    panel_.setEnabled(open);
    setWidth(open ? wideWidth_ : narrowWidth_);
}

void FoldingPanel::setWidth(int width) {
    dialog_.setFixedSize(std::clamp(width, narrowWidth_, wideWidth_), height_);
}

}  // namespace qv::ui
