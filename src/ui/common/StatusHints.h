#pragma once

#include <QObject>
#include <QPointer>

class QStatusBar;
class QWidget;

namespace qv::ui {

// Shows in one status bar the hint of the control under the mouse: its own, or when it has
// none, that of the nearest enclosing control that has one. A control's hint is its statusTip;
// hints never pop up as tool tips. Watches every window of the application.
class StatusHints final : public QObject {
    Q_OBJECT

  public:
    explicit StatusHints(QStatusBar& bar);
    ~StatusHints() override;

    // The hint shown for `widget`: its own statusTip or its nearest ancestor's.
    static QString hintFor(const QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QStatusBar> bar_;
};

}  // namespace qv::ui
