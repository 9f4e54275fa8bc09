#pragma once

#include <QApplication>

namespace qv::ui {

class Dialogs;

// The application object of the editor. Every command already runs through the general error
// handler; should an exception still reach the event loop, it is shown the same way instead of
// ending the program.
class EditorApplication final : public QApplication {
    Q_OBJECT

  public:
    EditorApplication(int& argc, char** argv);

    void reportErrorsTo(Dialogs& dialogs) { dialogs_ = &dialogs; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    Dialogs* dialogs_ = nullptr;
};

}  // namespace qv::ui
