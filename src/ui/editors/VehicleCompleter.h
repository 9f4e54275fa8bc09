#pragma once

#include <QCompleter>

class QLineEdit;

namespace qv::ui {

// Suggests the game's vehicle models while a car's model is typed: each suggestion shows the
// model's name, number and kind, matches what is typed anywhere in its number or name, and puts
// the name into the field (the script adds the "#"). The field still takes any text.
class VehicleCompleter final : public QCompleter {
    Q_OBJECT

  public:
    explicit VehicleCompleter(QObject* parent = nullptr);

    QString pathFromIndex(const QModelIndex& index) const override;
};

// Gives `field` a VehicleCompleter.
void attachVehicleCompleter(QLineEdit& field);

}  // namespace qv::ui
