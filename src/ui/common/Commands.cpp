#include "ui/common/Commands.h"

#include <QApplication>
#include <QWidget>
#include <exception>

#include "model/Error.h"

namespace qv::ui {

QString errorBoxText(const QString& message) {
    // A sentence's own ending stays as it is: "?" and "…" end it, ":" and ";" lead on.
    static const QString Endings = QStringLiteral("?…:;");
    if (!message.isEmpty() && message.back() > QLatin1Char('.') &&
        !Endings.contains(message.back())) {
        return message + QLatin1Char('.');
    }
    return message;
}

void showError(Dialogs& dialogs, const QString& message, QWidget* owner) {
    dialogs.message({QString::fromUtf8(ApplicationTitle), errorBoxText(message), MessageIcon::Error,
                     MessageButton::Ok, owner != nullptr ? owner : QApplication::activeWindow()});
}

void runCommand(Dialogs& dialogs, const std::function<void()>& command, QWidget* owner) {
    try {
        command();
    } catch (const Error& error) {
        showError(dialogs, QString::fromStdString(error.message()), owner);
    } catch (const std::exception& error) {
        showError(dialogs, QString::fromLocal8Bit(error.what()), owner);
    } catch (...) {
        showError(dialogs, QCoreApplication::translate("Commands", "Неизвестная ошибка"), owner);
    }
}

QWidget* windowOf(const QObject* context) {
    const auto* widget = qobject_cast<const QWidget*>(context);
    return widget != nullptr ? widget->window() : nullptr;
}

}  // namespace qv::ui
