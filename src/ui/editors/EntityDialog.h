#pragma once

#include <QWidget>

class QAbstractButton;
class QSpacerItem;

namespace qv::ui {

class EditorApp;

// What the add and change dialogs of cars, checkpoints, objects and events share: a small tool
// window above every window of the program, placed at the centre of the main window whenever
// it is shown, modeless, made once and only hidden afterwards, so its fields keep their texts.
// It answers the keyboard as a dialog does: shown, the cursor is in its first field; Enter in a
// field commits (as its main button does), Escape closes it. It is at least as wide as its title
// needs in a window manager's title bar, so that the title is never cut.
class EntityDialog : public QWidget {
    Q_OBJECT

  public:
    EntityDialog(EditorApp& app, const char* objectName, const QString& caption);

  protected:
    EditorApp& app() const { return app_; }
    // Shows the dialog and brings it to the front.
    void present();
    // The dialog's main button runs `commit()` through the general error handler and hides
    // the dialog when it succeeds; a refused commit leaves the dialog open for correction.
    void connectCommit(QAbstractButton& button);
    virtual void commit() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Makes the dialog at least `width` wide. The default widens the dialog's layout; a dialog
    // without one places its parts itself.
    virtual void fitTitle(int width);

  private:
    void focusFirstField();
    // The width the title needs: its text in the title font, the icon and the buttons.
    int titleRoom() const;

    EditorApp& app_;
    QAbstractButton* commitButton_ = nullptr;
    QSpacerItem* titleStrut_ = nullptr;
};

}  // namespace qv::ui
