#pragma once

#include <QCompleter>

class QLineEdit;

namespace qv::ui {

// Suggests the game's models while a model is typed: each suggestion shows the model's name,
// number and kind, matches what is typed anywhere in its number or name, and puts the name into
// the field (the script adds the "#", and Sanny Builder reads only a name after it). The field
// still takes any text.
class ModelCompleter final : public QCompleter {
    Q_OBJECT

  public:
    using QCompleter::QCompleter;

    QString pathFromIndex(const QModelIndex& index) const override;
};

// Gives `field` a ModelCompleter of the game's vehicles.
void attachVehicleCompleter(QLineEdit& field);
// Gives `field` a ModelCompleter of the game's cones, barriers and ramps.
void attachObjectCompleter(QLineEdit& field);

}  // namespace qv::ui
