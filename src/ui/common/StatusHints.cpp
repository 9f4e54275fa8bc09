#include "ui/common/StatusHints.h"

#include <QApplication>
#include <QEvent>
#include <QStatusBar>
#include <QWidget>

namespace qv::ui {

StatusHints::StatusHints(QStatusBar& bar) : QObject(&bar), bar_(&bar) {
    qApp->installEventFilter(this);
}

StatusHints::~StatusHints() {
    qApp->removeEventFilter(this);
}

QString StatusHints::hintFor(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (!widget->statusTip().isEmpty()) {
            return widget->statusTip();
        }
    }
    return {};
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::StatusTip:
            // Qt's own status tips would overwrite the hint with the entered widget's tip alone.
            return watched->isWidgetType();
        case QEvent::Enter:
            if (watched->isWidgetType() && bar_) {
                bar_->showMessage(hintFor(static_cast<QWidget*>(watched)));
            }
            break;
        case QEvent::Leave:
            // The mouse goes back to the enclosing control, or on to another that is entered
            // next and shows its own hint.
            if (watched->isWidgetType() && bar_) {
                bar_->showMessage(hintFor(static_cast<QWidget*>(watched)->parentWidget()));
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qv::ui
