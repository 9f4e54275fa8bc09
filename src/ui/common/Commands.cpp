#include "ui/common/Commands.h"

#include <QApplication>
#include <exception>

#include "model/Error.h"

namespace qv::ui {

QString errorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        return message + QLatin1Char('.');
    }
    return message;
}

void showError(Dialogs& dialogs, const QString& message) {
    dialogs.message({QString::fromUtf8(ApplicationTitle), errorBoxText(message), MessageIcon::Error,
                     MessageButton::Ok, QApplication::activeWindow()});
}

void runCommand(Dialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
    } catch (const Error& error) {
        showError(dialogs, QString::fromStdString(error.message()));
    } catch (const std::exception& error) {
        showError(dialogs, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(dialogs, QStringLiteral("Неизвестная ошибка"));
    }
}

}  // namespace qv::ui
