#pragma once

#include <QFlags>
#include <QString>
#include <utility>

class QWidget;

namespace qv::ui {

enum class MessageIcon { None, Information, Warning, Error, Question };

enum class MessageButton { NoButton = 0x0, Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
Q_DECLARE_FLAGS(MessageButtons, MessageButton)

// One message box: what it says, how it looks and which window owns it.
struct MessageRequest {
    MessageRequest(QString title_, QString text_, MessageIcon icon_ = MessageIcon::None,
                   MessageButtons buttons_ = MessageButton::Ok, QWidget* owner_ = nullptr,
                   QString detail_ = {})
        : title(std::move(title_)),
          text(std::move(text_)),
          icon(icon_),
          buttons(buttons_),
          owner(owner_),
          detail(std::move(detail_)) {}

    QString title;
    QString text;
    MessageIcon icon;
    MessageButtons buttons;
    QWidget* owner;  // nullptr: a box owned by no window
    QString detail;  // a line below the text, smaller; empty: none
};

// An open or save dialog for project files.
struct FileRequest {
    QWidget* owner = nullptr;
    QString filter;         // "Description (*.ext)"
    QString defaultSuffix;  // appended, with a dot, to a chosen name that has no extension
    QString folder;         // the folder the dialog opens in
    QString name;           // the file name offered, without a folder; empty: none
};

// Every modal question the editor asks the user goes through this layer, so that the real
// dialogs can be replaced by scripted answers.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Shows a modal message box and returns the button that closed it.
    virtual MessageButton message(const MessageRequest& request) = 0;
    // The chosen file's path, or empty when the user cancelled.
    virtual QString openFile(const FileRequest& request) = 0;
    virtual QString saveFile(const FileRequest& request) = 0;
    // The chosen folder's path, or empty when the user cancelled.
    virtual QString chooseFolder(QWidget* owner, const QString& prompt) = 0;
    // The system's beep, for a refused entry.
    virtual void beep() = 0;
};

}  // namespace qv::ui

Q_DECLARE_OPERATORS_FOR_FLAGS(qv::ui::MessageButtons)
