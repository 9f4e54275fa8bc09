#include "ui/editors/UserModelList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "gamedata/ObjectModels.h"

#include "ui/common/Controls.h"
#include "ui/editors/ModelCompleter.h"

namespace qv::ui {

namespace {
// The entry's model, kept beside its text so that no description can confuse it.
constexpr int ModelRole = Qt::UserRole;
}  // namespace

UserModelList::UserModelList(QWidget* parent)
    : QGroupBox(tr("Пользовательский список моделей"), parent) {
    setObjectName(QStringLiteral("GroupBox2"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("LObjectList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    description_ = makeLineEdit("Edit6", {}, this);
    description_->setMaxLength(DescriptionLength);
    description_->setText(tr("(Описание)"));
    model_ = makeLineEdit("Edit7", {}, this);
    model_->setText(tr("(Модель)"));
    attachObjectCompleter(*model_);
    hint_ = makeLabel(tr("Sanny Builder не понимает номер модели после «#»: впишите "
                         "имя модели из файлов .ide игры."),
                      this);
    hint_->setObjectName(QStringLiteral("ModelHint"));
    hint_->setWordWrap(true);
    hint_->hide();
    auto* add = makeButton("Button1", tr("Добавить"), {}, this);
    auto* remove = makeButton("Button2", tr("Удалить"), {}, this);
    auto* choose = makeButton("Button3", tr("« Выбрать"), {}, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(list_, 0, 0, 1, 3);
    layout->addWidget(description_, 1, 0, 1, 3);
    layout->addWidget(makeLabel(QStringLiteral("#"), this), 2, 0);
    layout->addWidget(model_, 2, 1, 1, 2);
    layout->addWidget(add, 3, 0, 1, 2);
    layout->addWidget(remove, 3, 2);
    layout->addWidget(choose, 4, 0, 1, 3);
    layout->addWidget(hint_, 5, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(add, &QPushButton::clicked, this, &UserModelList::addEntry);
    connect(remove, &QPushButton::clicked, this, &UserModelList::removeEntry);
    connect(choose, &QPushButton::clicked, this, &UserModelList::chooseEntry);
}

void UserModelList::addEntry() {
    QString model = model_->text();
    const bool number = !model.isEmpty() && std::ranges::all_of(model, [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (number) {
        const ObjectModel* known = findObjectModelByNumber(model.toStdString());
        hint_->setVisible(known == nullptr);
        if (known == nullptr) {
            return;
        }
        model = QString::fromLatin1(known->name.data(), qsizetype(known->name.size()));
        model_->setText(model);
    }
    hint_->hide();
    auto* entry =
        new QListWidgetItem(QStringLiteral("%1 (#%2)").arg(description_->text(), model), list_);
    entry->setData(ModelRole, model);
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
