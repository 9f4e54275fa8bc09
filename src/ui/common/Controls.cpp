#include "ui/common/Controls.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "ui/common/Icons.h"

namespace qv::ui {

void nameControl(QWidget& control, const char* objectName, const QString& hint) {
    control.setObjectName(QString::fromLatin1(objectName));
    control.setStatusTip(hint);
}

bool isValueField(const QObject* object) {
    return qobject_cast<const QLineEdit*>(object) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(object) != nullptr ||
           qobject_cast<const QComboBox*>(object) != nullptr;
}

QLabel* makeLabel(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLineEdit* makeLineEdit(const char* objectName, const QString& hint, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    nameControl(*field, objectName, hint);
    return field;
}

QPushButton* makeButton(const char* objectName, const QString& caption, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    nameControl(*button, objectName, hint);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeCheckBox(const char* objectName, const QString& caption, const QString& hint,
                        QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    nameControl(*box, objectName, hint);
    return box;
}

QSpinBox* makeSpinBox(const char* objectName, int minimum, int maximum, const QString& hint,
                      QWidget* parent) {
    auto* spinBox = new QSpinBox(parent);
    nameControl(*spinBox, objectName, hint);
    spinBox->setRange(minimum, maximum);
    return spinBox;
}

void makeArrowsOnly(QSpinBox& spinBox) {
    if (auto* text = spinBox.findChild<QLineEdit*>()) {
        text->setReadOnly(true);
    }
}

QToolButton* makeCaptureButton(const char* objectName, QWidget* parent) {
    auto* button = new QToolButton(parent);
    nameControl(*button, objectName, QCoreApplication::translate("Controls", CaptureHint));
    button->setAutoRaise(true);
    button->setIcon(icons::capture());
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton* makePanelSwitch(const char* objectName, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    nameControl(*button, objectName, hint);
    button->setAutoRaise(true);
    button->setText(QStringLiteral("»"));
    return button;
}

}  // namespace qv::ui
