#pragma once

#include <QCoreApplication>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;

namespace qv::ui {

// Gives a control its name and its hint (shown in the status bar, never as a pop-up tip).
void nameControl(QWidget& control, const char* objectName, const QString& hint = {});
// Whether `object` is a place to type a value in: a line edit, a spin box or a combo box.
bool isValueField(const QObject* object);

QLabel* makeLabel(const QString& text, QWidget* parent);
QLineEdit* makeLineEdit(const char* objectName, const QString& hint, QWidget* parent);
QPushButton* makeButton(const char* objectName, const QString& caption, const QString& hint,
                        QWidget* parent);
QCheckBox* makeCheckBox(const char* objectName, const QString& caption, const QString& hint,
                        QWidget* parent);
QSpinBox* makeSpinBox(const char* objectName, int minimum, int maximum, const QString& hint,
                      QWidget* parent);
// A spin box whose value only its arrows (and the arrow keys) change; typing is disabled.
void makeArrowsOnly(QSpinBox& spinBox);

// The flat button beside coordinate fields that takes the player's position from the game.
inline constexpr const char* CaptureHint =
    QT_TRANSLATE_NOOP("Controls", "Автоматическое определение координат игрока из игры");
QToolButton* makeCaptureButton(const char* objectName, QWidget* parent);

// The flat "»" button beside a model field that opens and closes a dialog's side panel.
QToolButton* makePanelSwitch(const char* objectName, const QString& hint, QWidget* parent);

}  // namespace qv::ui
