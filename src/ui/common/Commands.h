#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "ui/common/Dialogs.h"

namespace qv::ui {

// The application title: the error boxes and most message boxes carry it.
inline constexpr const char* ApplicationTitle = "Quorvane";

// The text of the error box: the message, with a full stop appended when its last character
// sorts after "." and does not end or lead on the sentence itself ("Ошибка" gets one; "Указан
// неверный путь!", "Заменить?" and "Причина:" do not).
QString errorBoxText(const QString& message);

// The general error handler: a modal box titled "Quorvane" with an error icon and one OK button,
// owned by `owner` (nullptr: the active window), so that it shows above that window.
void showError(Dialogs& dialogs, const QString& message, QWidget* owner = nullptr);

// Runs one command to its end. An error it raises stops it where it is and is shown by the
// general error handler, owned by `owner`; the program then goes on. No exception of the
// command leaves here.
void runCommand(Dialogs& dialogs, const std::function<void()>& command, QWidget* owner = nullptr);

// The window of `context` when it is a widget, so that a command's errors belong to the window
// it was given from; otherwise nullptr.
QWidget* windowOf(const QObject* context);

// Connects a signal to a command that runs through the general error handler. The command
// takes the signal's arguments, or none.
template <typename Sender, typename Signal, typename Command>
QMetaObject::Connection connectCommand(Dialogs& dialogs, const Sender* sender, Signal signal,
                                       const QObject* context, Command command) {
    return QObject::connect(
        sender, signal, context, [&dialogs, context, command = std::move(command)](auto&&... args) {
            runCommand(
                dialogs,
                [&] {
                    if constexpr (std::is_invocable_v<const Command&, decltype(args)...>) {
                        command(std::forward<decltype(args)>(args)...);
                    } else {
                        command();
                    }
                },
                windowOf(context));
        });
}

}  // namespace qv::ui
