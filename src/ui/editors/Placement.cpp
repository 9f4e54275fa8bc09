#include "ui/editors/Placement.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace qv::ui {

namespace {

class CentreOnShow final : public QObject {
  public:
    CentreOnShow(QWidget& window, const QWidget& over) : QObject(&window), over_(&over) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous() && over_) {
            auto* window = static_cast<QWidget*>(watched);
            const QRect frame = window->frameGeometry();
            window->move(over_->frameGeometry().center() -
                         QPoint(frame.width() / 2, frame.height() / 2));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<const QWidget> over_;
};

}  // namespace

void centreWhenShown(QWidget& window, const QWidget& over) {
    new CentreOnShow(window, over);
}

}  // namespace qv::ui
