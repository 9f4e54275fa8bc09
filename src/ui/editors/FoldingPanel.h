#pragma once

class QWidget;

namespace qv::ui {

// A panel placed to the right of the area a dialog shows at its narrow width, so that it is out
// of sight while the dialog is narrow. The dialog's height is fixed and its width is either the
// narrow or the wide one; the user cannot drag it.
class FoldingPanel {
  public:
    // Places `area` and `panel` in `dialog` (which has no layout of its own) and gives the
    // dialog the width `startWidth`. The panel starts disabled.
    FoldingPanel(QWidget& dialog, QWidget& area, QWidget& panel, int narrowWidth, int wideWidth,
                 int startWidth);

    int narrowWidth() const { return narrowWidth_; }
    int wideWidth() const { return wideWidth_; }
    // An enabled panel is disabled and the dialog narrowed; a disabled one is enabled and the
    // dialog widened.
    void toggle();
    // Widens the narrow area to at least `width` (never below the width it was made with); the
    // panel keeps its own width to the right of it.
    void setLeastWidth(int width);

  private:
    void place();
    void setWidth(int width);

    QWidget& dialog_;
    QWidget& area_;
    QWidget& panel_;
    int narrowWidth_;
    int wideWidth_;
    int panelWidth_;
    int extraWidth_ = 0;  // how much wider than made the narrow area is now
    int height_;
};

}  // namespace qv::ui
