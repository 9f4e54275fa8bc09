#include "ui/script/GoToLineBar.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "ui/script/ScriptEditor.h"

namespace qv::ui {

GoToLineBar::GoToLineBar(ScriptEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("GoToLineBar"));
    line_ = new QLineEdit(this);
    line_->setObjectName(QStringLiteral("GoToLineText"));
    line_->setValidator(new QIntValidator(1, 9999999, line_));
    auto* goButton = new QPushButton(tr("Перейти"), this);
    goButton->setObjectName(QStringLiteral("GoToLineBtn"));
    goButton->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Строка:"), this));
    layout->addWidget(line_);
    layout->addWidget(goButton);
    layout->addStretch(1);

    connect(line_, &QLineEdit::returnPressed, this, &GoToLineBar::go);
    connect(goButton, &QPushButton::clicked, this, &GoToLineBar::go);
    auto* escape =
        new QShortcut(QKeySequence(Qt::Key_Escape), line_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, this, &GoToLineBar::dismiss);
    hide();
}

void GoToLineBar::open() {
    line_->setText(QString::number(editor_.textCursor().blockNumber() + 1));
    show();
    line_->selectAll();
    line_->setFocus();
}

void GoToLineBar::go() {
    bool ok = false;
    const int line = line_->text().toInt(&ok);
    if (ok) {
        dismiss();
        editor_.goToLine(line);
    }
}

void GoToLineBar::dismiss() {
    hide();
    editor_.setFocus();
}

}  // namespace qv::ui
