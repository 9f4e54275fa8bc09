#pragma once

#include <QFont>
#include <QStaticText>
#include <map>

namespace qv::ui {

// Checkpoint numbers laid out for one font, kept by the drawing that shows them: laying out a
// text is what costs most when a hundred checkpoints are drawn. Another font lays them out anew.
class NumberTexts {
  public:
    const QStaticText& text(int number, const QFont& font);

  private:
    QFont font_;
    std::map<int, QStaticText> texts_;
};

}  // namespace qv::ui
