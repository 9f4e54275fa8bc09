#pragma once

#include <QGroupBox>
#include <vector>

#include "generator/ScriptWarnings.h"

class QTableWidget;

namespace qv::ui {

// "Предупреждения (n)" below the script: the build's warnings, one a row with where it lies and
// what happens in the game. A double click (or Enter) on a row asks for its place to be shown.
// Without warnings it is only its heading.
class WarningsPanel final : public QGroupBox {
    Q_OBJECT

  public:
    explicit WarningsPanel(QWidget* parent = nullptr);

    void showWarnings(const std::vector<ScriptWarning>& warnings);
    bool isEmpty() const;
    QTableWidget& list() const { return *list_; }

  signals:
    void placeRequested(qv::MissionPart part, int row);

  private:
    QTableWidget* list_;
    std::vector<ScriptWarning> warnings_;
};

}  // namespace qv::ui
