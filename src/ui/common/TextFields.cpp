#include "ui/common/TextFields.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

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

// Refuses a typed character that would make the text longer than the limit, as a system edit
// control's text limit does; the program's own texts are not cut.
class TypingLimit final : public QObject {
  public:
    TypingLimit(QLineEdit& field, int maxLength) : QObject(&field), maxLength_(maxLength) {
        field.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto* field = static_cast<QLineEdit*>(watched);
            const bool inserts = !key->text().isEmpty() && key->text().front().isPrint();
            if (inserts && !field->hasSelectedText() && field->text().size() >= maxLength_) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    int maxLength_;
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
