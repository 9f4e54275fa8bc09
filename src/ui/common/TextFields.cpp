#include "ui/common/TextFields.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>

#include "model/NumberText.h"

namespace qv::ui {

namespace {

class CoordinateTidy final : public QObject {
  public:
    CoordinateTidy(QLineEdit& field, TidyWhen when) : QObject(&field), when_(when) {
        field.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool runs = when_ == TidyWhen::Clicked ? event->type() == QEvent::MouseButtonRelease
                                                     : event->type() == QEvent::FocusOut;
        if (runs) {
            tidyCoordinateField(*static_cast<QLineEdit*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    TidyWhen when_;
};

// Holds what the user types, pastes or drops into a field to a number of characters, as a
// system edit control's text limit does: the characters that would go beyond it are left out.
// The program's own texts are not cut.
class TypingLimit final : public QObject {
  public:
    TypingLimit(QLineEdit& field, int maxLength)
        : QObject(&field), field_(field), maxLength_(maxLength), shown_(field.text()) {
        connect(&field, &QLineEdit::textEdited, this, &TypingLimit::cutToFit);
        // The field's own text, not the signal's: a cut made while the user's change is still
        // being announced comes before the announcement.
        connect(&field, &QLineEdit::textChanged, this, [this] { shown_ = field_.text(); });
    }

  private:
    // The user's change has just made `edited` out of `shown_`; the characters it inserted end
    // at the cursor.
    void cutToFit(const QString& edited) {
        const qsizetype excess = edited.size() - std::max<qsizetype>(maxLength_, shown_.size());
        if (excess <= 0) {
            return;
        }
        const int cursor = field_.cursorPosition();
        const int from = std::max(0, cursor - int(excess));
        field_.setText(QString(edited).remove(from, cursor - from));
        field_.setCursorPosition(from);
    }

    QLineEdit& field_;
    int maxLength_;
    QString shown_;
};

}  // namespace

QValidator::State UpperCaseValidator::validate(QString& input, int& /*position*/) const {
    input = input.toUpper();
    return Acceptable;
}

void makeUpperCase(QLineEdit& field, int maxLength) {
    field.setValidator(new UpperCaseValidator(&field));
    if (maxLength > 0) {
        new TypingLimit(field, maxLength);
    }
}

void tidyCoordinateField(QLineEdit& field) {
    const QString tidy = QString::fromStdString(qv::tidyCoordinate(field.text().toStdString()));
    if (tidy != field.text()) {
        field.setText(tidy);
    }
}

void installCoordinateTidy(QLineEdit& field, TidyWhen when) {
    new CoordinateTidy(field, when);
}

}  // namespace qv::ui
