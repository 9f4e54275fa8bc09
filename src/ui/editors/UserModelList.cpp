#include "ui/editors/UserModelList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/common/Controls.h"

namespace qv::ui {

namespace {
// The entry's model, kept beside its text so that no description can confuse it.
constexpr int ModelRole = Qt::UserRole;
}  // namespace

UserModelList::UserModelList(QWidget* parent)
    : QGroupBox(QStringLiteral("Пользовательский список моделей"), parent) {
    setObjectName(QStringLiteral("GroupBox2"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("LObjectList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    description_ = makeLineEdit("Edit6", {}, this);
    description_->setMaxLength(DescriptionLength);
    description_->setText(QStringLiteral("(Описание)"));
    model_ = makeLineEdit("Edit7", {}, this);
    model_->setText(QStringLiteral("(Модель)"));
    auto* add = makeButton("Button1", QStringLiteral("Добавить"), {}, this);
    auto* remove = makeButton("Button2", QStringLiteral("Удалить"), {}, this);
    auto* choose = makeButton("Button3", QStringLiteral("« Выбрать"), {}, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(list_, 0, 0, 1, 3);
    layout->addWidget(description_, 1, 0, 1, 3);
    layout->addWidget(makeLabel(QStringLiteral("#"), this), 2, 0);
    layout->addWidget(model_, 2, 1, 1, 2);
    layout->addWidget(add, 3, 0, 1, 2);
    layout->addWidget(remove, 3, 2);
    layout->addWidget(choose, 4, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(add, &QPushButton::clicked, this, &UserModelList::addEntry);
    connect(remove, &QPushButton::clicked, this, &UserModelList::removeEntry);
    connect(choose, &QPushButton::clicked, this, &UserModelList::chooseEntry);
}

void UserModelList::addEntry() {
    auto* entry = new QListWidgetItem(
        QStringLiteral("%1 (#%2)").arg(description_->text(), model_->text()), list_);
    entry->setData(ModelRole, model_->text());
}

void UserModelList::removeEntry() {
    qDeleteAll(list_->selectedItems());
}

void UserModelList::chooseEntry() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (!selected.isEmpty()) {
        emit modelChosen(selected.constFirst()->data(ModelRole).toString());
    }
}

}  // namespace qv::ui
