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

  private:
    void setWidth(int width);

    QWidget& dialog_;
    QWidget& panel_;
    int narrowWidth_;
    int wideWidth_;
    int height_;
};

}  // namespace qv::ui
