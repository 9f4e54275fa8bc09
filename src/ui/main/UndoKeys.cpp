#include "ui/main/UndoKeys.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/common/Controls.h"

namespace qv::ui {

namespace {

// A field would take these keys first (the override) and, when the program's command is off,
// as keys: it gets neither.
class UndoKeyFilter final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
            isValueField(watched)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool historyKey = key->matches(QKeySequence::Undo) ||
                                    key->matches(QKeySequence::Redo) ||
                                    key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
            if (historyKey) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void giveUndoKeysToTheProgram(QObject& owner) {
    QApplication::instance()->installEventFilter(new UndoKeyFilter(&owner));
}

}  // namespace qv::ui
