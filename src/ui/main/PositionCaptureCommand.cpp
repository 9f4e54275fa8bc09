#include "ui/main/PositionCaptureCommand.h"

#include <QLineEdit>

#include "gamelink/PositionCapture.h"
#include "ui/main/EditorApp.h"

namespace qv::ui {

namespace {

std::function<void(const std::string&)> writerFor(QLineEdit* field) {
    if (field == nullptr) {
        return {};
    }
    return [field](const std::string& text) { field->setText(QString::fromStdString(text)); };
}

}  // namespace

void capturePosition(EditorApp& app, const CaptureFields& fields) {
    Dialogs& dialogs = app.dialogs();
    // The warning belongs to the window of the fields, a dialog's above that dialog.
    QWidget* owner = fields.x != nullptr ? fields.x->window() : nullptr;
    getCoordinates(
        app.game(),
        {writerFor(fields.x), writerFor(fields.y), writerFor(fields.z), writerFor(fields.angle)},
        [&dialogs, owner](std::string_view warning) {
            dialogs.message(
                {QString::fromUtf8(ApplicationTitle),
                 QString::fromUtf8(warning.data(), static_cast<qsizetype>(warning.size())),
                 MessageIcon::Warning, MessageButton::Ok, owner});
        });
}

}  // namespace qv::ui
