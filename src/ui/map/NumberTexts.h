#pragma once

#include <QFont>
#include <QPixmap>
#include <QStaticText>
#include <functional>
#include <map>

namespace qv::ui {

// Checkpoint numbers laid out for one font, and the checkpoints' marks with their numbers drawn
// once for that font and a pixel ratio, kept by the drawing that shows them: drawing a hundred
// smoothed discs and laying out their numbers is what costs most when the race is drawn. Another
// font or pixel ratio lays them out and draws them anew.
class NumberTexts {
  public:
    const QStaticText& text(int number, const QFont& font);
    // The mark of checkpoint `number`, `side` pixels a side, drawn by `draw` around its centre
    // (with the painter's font set to `font`) the first time it is asked for.
    const QPixmap& mark(int number, const QFont& font, qreal pixelRatio, int side,
                        const std::function<void(QPainter&, QPointF centre)>& draw);

  private:
    QFont font_;
    std::map<int, QStaticText> texts_;
    QFont markFont_;
    qreal markRatio_ = 0;
    std::map<int, QPixmap> marks_;
};

}  // namespace qv::ui
