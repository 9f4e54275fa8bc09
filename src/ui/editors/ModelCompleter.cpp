#include "ui/editors/ModelCompleter.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <string_view>

#include "gamedata/ObjectModels.h"
#include "gamedata/VehicleModels.h"
#include "platform/Translation.h"
#include "ui/common/Look.h"

namespace qv::ui {

namespace {

constexpr int SearchRole = Qt::UserRole;    // "411 INFERNUS": what typing matches
constexpr int NameRole = Qt::UserRole + 1;  // "INFERNUS": what goes into the field

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void addSuggestion(QStandardItemModel& list, std::string_view modelName, int id,
                   std::string_view kind, int nameWidth) {
    const QString name = fromView(modelName);
    const QString number = QString::number(id);
    auto* item = new QStandardItem(
        QStringLiteral("%1  %2  %3").arg(name, -nameWidth).arg(number).arg(fromView(kind)));
    item->setData(number + QLatin1Char(' ') + name, SearchRole);
    item->setData(name, NameRole);
    list.appendRow(item);
}

// The suggestions line up in columns and are shown whole, wider than the field if need be.
void attach(QLineEdit& field, QStandardItemModel* list) {
    auto* completer = new ModelCompleter(&field);
    list->setParent(completer);
    completer->setModel(list);
    completer->setCompletionRole(SearchRole);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    completer->setWidget(&field);
    field.setCompleter(completer);
    QAbstractItemView& popup = *completer->popup();
    popup.setFont(look::monoFont());
    const QFontMetrics metrics(popup.font());
    int widest = 0;
    for (int row = 0; row < list->rowCount(); ++row) {
        widest = qMax(widest, metrics.horizontalAdvance(list->index(row, 0).data().toString()));
    }
    popup.setMinimumWidth(widest + popup.verticalScrollBar()->sizeHint().width() +
                          4 * popup.frameWidth() + look::characterWidth(metrics) * 2);
}

}  // namespace

QString ModelCompleter::pathFromIndex(const QModelIndex& index) const {
    return index.data(NameRole).toString();
}

void attachVehicleCompleter(QLineEdit& field) {
    auto* list = new QStandardItemModel;
    for (const VehicleModel& model : vehicleModels()) {
        addSuggestion(*list, model.name, model.id, vehicleKindName(model.kind), 9);
    }
    attach(field, list);
}

void attachObjectCompleter(QLineEdit& field) {
    auto* list = new QStandardItemModel;
    for (const ObjectModel& model : raceObjectModels()) {
        addSuggestion(*list, model.name, model.id, qv::translate("ObjectModels", model.what.data()),
                      17);
    }
    attach(field, list);
}

}  // namespace qv::ui
