#include "ui/common/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "ui/common/Look.h"

namespace qv::ui {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    MessageButton ours;
    QMessageBox::StandardButton qt;
};
constexpr ButtonPair buttonPairs[] = {
    {MessageButton::Ok, QMessageBox::Ok},
    {MessageButton::Cancel, QMessageBox::Cancel},
    {MessageButton::Yes, QMessageBox::Yes},
    {MessageButton::No, QMessageBox::No},
};

// Message texts keep the CR LF line ends of the program's files; a label wants LF alone. A short
// last word of a line ("3.00!", "(F10)") is tied to the word before it, so that a line that has
// to wrap never leaves it alone on a line of its own.
QString displayText(QString text) {
    constexpr int ShortWord = 6;
    QStringList lines = text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split('\n');
    for (QString& line : lines) {
        const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
        if (space > 0 && line.size() - space - 1 <= ShortWord) {
            line[space] = QChar::Nbsp;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

// Gives `dialog` a comfortable size, however small the window it belongs to: `wanted`, within
// most of its screen.
void fitToRoom(QWidget& dialog, QSize wanted) {
    const QWidget* owner = dialog.parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    dialog.resize(wanted.expandedTo(dialog.sizeHint()));
}

// A message's lines are kept whole as far as the screen has room for them beside the box's icon
// and margins (a small screen, or a large scale factor, leaves little), so that a short word
// never wraps onto a line of its own.
void keepLinesWhole(QMessageBox& box, const QString& text) {
    // The label's own font: Windows gives message boxes a font of their own.
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QFontMetrics metrics(label != nullptr ? label->font() : box.font());
    const int character = look::characterWidth(metrics);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line) + character);
    }
    // A box not shown yet may stand on no screen, or on one that reports no room (Windows).
    int room = box.screen() != nullptr ? box.screen()->availableGeometry().width() : 0;
    if (room <= 0 && QGuiApplication::primaryScreen() != nullptr) {
        room = QGuiApplication::primaryScreen()->availableGeometry().width();
    }
    if (room > 0) {
        const int iconAndMargins = box.iconPixmap().width() + 12 * character;
        widest = std::clamp(room * 9 / 10 - iconAndMargins, 0, widest);
    }
    if (label != nullptr) {
        label->setMinimumWidth(widest);
    }
}

QString chooseFile(const FileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(request.owner, QString(), request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.name.isEmpty()) {
        dialog.selectFile(request.name);
    }
    fitToRoom(dialog, QSize(820, 560));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return withDefaultSuffix(dialog.selectedFiles().constFirst(), request.defaultSuffix);
}

}  // namespace

MessageButton QtDialogs::message(const MessageRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.title, displayText(request.text),
                    QMessageBox::NoButton, request.owner);
    QMessageBox::StandardButtons buttons;
    for (const auto& pair : buttonPairs) {
        if (request.buttons.testFlag(pair.ours)) {
            buttons |= pair.qt;
        }
    }
    box.setStandardButtons(buttons);
    box.setInformativeText(displayText(request.detail));
    keepLinesWhole(box, displayText(request.text));
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& pair : buttonPairs) {
        if (pair.qt == answer) {
            return pair.ours;
        }
    }
    // Closed by Escape or the title-bar button: the box's cancelling answer.
    return request.buttons.testFlag(MessageButton::Cancel) ? MessageButton::Cancel
           : request.buttons.testFlag(MessageButton::No)   ? MessageButton::No
                                                           : MessageButton::Ok;
}

QString QtDialogs::openFile(const FileRequest& request) {
    return chooseFile(request, QFileDialog::AcceptOpen);
}

QString QtDialogs::saveFile(const FileRequest& request) {
    return chooseFile(request, QFileDialog::AcceptSave);
}

QString QtDialogs::chooseFolder(QWidget* owner, const QString& prompt) {
    QFileDialog dialog(owner, prompt);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    fitToRoom(dialog, QSize(820, 560));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void QtDialogs::beep() {
    QApplication::beep();
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + QLatin1Char('.') + suffix;
}

}  // namespace qv::ui
