#include "ui/editors/EventDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/EventText.h"
#include "ui/common/Controls.h"

namespace qv::ui {

namespace {

constexpr int TextWidth = 300;
constexpr int TextHeight = 110;
constexpr int HelpWidth = 260;

// The lines of the help panel; the code in them reads the same in every language.
constexpr const char* HelpLines[] = {
    QT_TRANSLATE_NOOP(
        "qv::ui::EventDialog",
        "Чтобы корректно настраивать события, вы должны иметь по крайней мере базовые знания в "
        "скриптинге!"),
    QT_TRANSLATE_NOOP("qv::ui::EventDialog", "Используется синтаксис Sanny Builder."),
    QT_TRANSLATE_NOOP("qv::ui::EventDialog",
                      "Во избежание глюков с загрузкой не ставьте пробелов в начале строк!!!"),
    QT_TRANSLATE_NOOP("qv::ui::EventDialog",
                      "IF - действия активируются, если указанное (ОДНО) условие будет выполнено."),
    QT_TRANSLATE_NOOP(
        "qv::ui::EventDialog",
        "IF AND - действия активируются, если все указанные условия будут выполнены."),
    QT_TRANSLATE_NOOP(
        "qv::ui::EventDialog",
        "IF OR - действия активируются, если хотя бы одно указанное условие будет выполнено."),
    QT_TRANSLATE_NOOP("qv::ui::EventDialog",
                      "Не забывайте использовать в действиях следующие конструкции/операторы:"),
    "IF..THEN..END ",
    "IF..THEN..ELSE..END",
    QT_TRANSLATE_NOOP("qv::ui::EventDialog", "WHILE <подусловие>"),
    "...",
    "END",
    QT_TRANSLATE_NOOP(
        "qv::ui::EventDialog",
        "Чтобы получить более полный список операторов, читайте ReadMe к Sanny Builder."),
};

QPlainTextEdit* makeLinesField(const char* objectName, QPlainTextEdit::LineWrapMode wrap,
                               QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setLineWrapMode(wrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setFixedWidth(TextWidth);
    field->setMinimumHeight(TextHeight);
    return field;
}

QGroupBox* makeHelpPanel(QWidget* parent) {
    auto* help = new QGroupBox(EventDialog::tr("Небольшая справочка :)"), parent);
    help->setObjectName(QStringLiteral("GroupBox1"));
    help->setFixedWidth(HelpWidth);
    auto* layout = new QVBoxLayout(help);
    for (const char* line : HelpLines) {
        auto* label = makeLabel(EventDialog::tr(line), help);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    return help;
}

}  // namespace

EventDialog::EventDialog(EditorApp& app, const char* objectName, const QString& caption,
                         const QString& commitCaption)
    : EntityDialog(app, objectName, caption) {
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ComboBox1"));
    kind_->addItems({QString(), QStringLiteral("and"), QStringLiteral("or")});
    kind_->setCurrentIndex(-1);
    conditions_ = makeLinesField("Conditions", QPlainTextEdit::NoWrap, this);
    actions_ = makeLinesField("Actions", QPlainTextEdit::WidgetWidth, this);
    auto* commitButton = makeButton("Button1", commitCaption, {}, this);

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(makeLabel(QStringLiteral("if"), this));
    kindRow->addWidget(kind_);
    kindRow->addStretch(1);
    buttons_ = new QHBoxLayout;
    buttons_->addWidget(commitButton);
    buttons_->addStretch(1);
    auto* texts = new QVBoxLayout;
    texts->addLayout(kindRow);
    texts->addWidget(makeLabel(tr("Условия:"), this));
    texts->addWidget(conditions_, 1);
    texts->addWidget(makeLabel(tr("Действия:"), this));
    texts->addWidget(actions_, 1);
    texts->addLayout(buttons_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(texts);
    layout->addWidget(makeHelpPanel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
    connectCommit(*commitButton);
}

EventEntry EventDialog::checkedEntry() const {
    const std::string conditions = conditions_->toPlainText().toStdString();
    const std::string actions = actions_->toPlainText().toStdString();
    checkEventText(conditions, actions);
    return eventFromText(kind_->currentText().toStdString(), conditions, actions);
}

void EventDialog::showEntry(const EventEntry& event) {
    conditions_->setPlainText(QString::fromStdString(linesText(event.Conditions)));
    actions_->setPlainText(QString::fromStdString(linesText(event.Actions)));
    kind_->setCurrentIndex(kind_->findText(QString::fromStdString(event.ConditionKind)));
}

void EventDialog::clearTexts() {
    conditions_->clear();
    actions_->clear();
}

}  // namespace qv::ui
