#include "ui/editors/VehicleCompleter.h"

#include <QLineEdit>
#include <QStandardItemModel>

#include "gamedata/VehicleModels.h"

namespace qv::ui {

namespace {

constexpr int SearchRole = Qt::UserRole;    // "411 INFERNUS": what typing matches
constexpr int NameRole = Qt::UserRole + 1;  // "INFERNUS": what goes into the field

QStandardItemModel* vehicleList(QObject* parent) {
    auto* list = new QStandardItemModel(parent);
    for (const VehicleModel& model : vehicleModels()) {
        const QString name = QString::fromLatin1(model.name.data(), qsizetype(model.name.size()));
        const QString number = QString::number(model.id);
        const std::string_view kind = vehicleKindName(model.kind);
        auto* item =
            new QStandardItem(QStringLiteral("%1  %2  %3")
                                  .arg(name, -9)
                                  .arg(number)
                                  .arg(QString::fromUtf8(kind.data(), qsizetype(kind.size()))));
        item->setData(number + QLatin1Char(' ') + name, SearchRole);
        item->setData(name, NameRole);
        list->appendRow(item);
    }
    return list;
}

}  // namespace

VehicleCompleter::VehicleCompleter(QObject* parent) : QCompleter(parent) {
    setModel(vehicleList(this));
    setCompletionRole(SearchRole);
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setMaxVisibleItems(12);
}

QString VehicleCompleter::pathFromIndex(const QModelIndex& index) const {
    return index.data(NameRole).toString();
}

void attachVehicleCompleter(QLineEdit& field) {
    auto* completer = new VehicleCompleter(&field);
    completer->setWidget(&field);
    field.setCompleter(completer);
}

}  // namespace qv::ui
