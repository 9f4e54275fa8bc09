#pragma once

#include "model/Entries.h"
#include "ui/editors/EntityDialog.h"

class QBoxLayout;
class QComboBox;
class QPlainTextEdit;

namespace qv::ui {

// What the add-event and change-event dialogs share: the condition kind, the condition and
// action lines, and the help panel. A commit is tested first; a refused one writes nothing and
// leaves the dialog open.
class EventDialog : public EntityDialog {
    Q_OBJECT

  protected:
    EventDialog(EditorApp& app, const char* objectName, const QString& caption,
                const QString& commitCaption);

    // The row of buttons under the texts, where a dialog may add its own.
    QBoxLayout& buttonRow() const { return *buttons_; }
    // The event the dialog's texts describe, after the editor's tests (an Error with the message
    // of the first that fails).
    EventEntry checkedEntry() const;
    // Shows the event's lines and selects its condition kind.
    void showEntry(const EventEntry& event);
    void clearTexts();

  private:
    QComboBox* kind_;
    QPlainTextEdit* conditions_;
    QPlainTextEdit* actions_;
    QBoxLayout* buttons_;
};

}  // namespace qv::ui
