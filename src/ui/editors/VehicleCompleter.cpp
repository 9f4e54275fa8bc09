#include "ui/editors/VehicleCompleter.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>

#include "gamedata/VehicleModels.h"
#include "ui/common/Look.h"

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
    // The suggestions line up in columns and are shown whole, wider than the field if need be.
    QAbstractItemView& popup = *completer->popup();
    popup.setFont(look::monoFont());
    const QFontMetrics metrics(popup.font());
    int widest = 0;
    for (int row = 0; row < completer->model()->rowCount(); ++row) {
        widest = qMax(
            widest, metrics.horizontalAdvance(completer->model()->index(row, 0).data().toString()));
    }
    popup.setMinimumWidth(widest + popup.verticalScrollBar()->sizeHint().width() +
                          4 * popup.frameWidth() + metrics.averageCharWidth() * 2);
}

}  // namespace qv::ui
