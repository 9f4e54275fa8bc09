#include "EditorFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

#include "ui/main/Startup.h"

namespace qv::test {

namespace {

void prepareOnce() {
    static bool prepared = false;
    if (!prepared) {
        ui::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        prepared = true;
    }
}

}  // namespace

std::chrono::system_clock::time_point EditorFixture::fixedTime() {
    using namespace std::chrono;
    return system_clock::time_point(sys_days(year{2026} / June / 1)) + hours(18) + minutes(30);
}

EditorFixture::EditorFixture(Language language) {
    prepareOnce();
    if (currentLanguage() != language) {
        auto& application = *qobject_cast<QApplication*>(QCoreApplication::instance());
        // Qt's own Russian may be missing from the machine; the program's English may not.
        if (!ui::installTranslations(application, language) && language == Language::English) {
            qFatal("the program's English catalogue is missing");
        }
    }
    app_ = std::make_unique<ui::EditorApp>(
        ui::EditorServices{files, dialogs, game, fixedTime, &launcher, &game});
}

EditorFixture::~EditorFixture() = default;

QWidget* EditorFixture::findNamed(const QString& name) const {
    for (QWidget* window : app_->windows()) {
        if (window->objectName() == name) {
            return window;
        }
        if (auto* widget = window->findChild<QWidget*>(name)) {
            return widget;
        }
    }
    return nullptr;
}

void EditorFixture::missing(const QString& name) {
    qFatal("no widget named %s of the kind asked for", qPrintable(name));
}

QAction& EditorFixture::action(const QString& name) const {
    auto* found = mainWindow().findChild<QAction*>(name);
    if (found == nullptr) {
        missing(name);
    }
    return *found;
}

void EditorFixture::showMainWindow() const {
    mainWindow().show();
    mainWindow().activateWindow();
    if (!QTest::qWaitForWindowActive(&mainWindow())) {
        qFatal("the main window did not become active");
    }
}

void EditorFixture::press(const QKeySequence& keys) const {
    showMainWindow();
    QTest::keySequence(&mainWindow(), keys);
}

void EditorFixture::reveal(QWidget& widget) const {
    for (QWidget* child = &widget; child->parentWidget() != nullptr;
         child = child->parentWidget()) {
        if (auto* pages = qobject_cast<QStackedWidget*>(child->parentWidget())) {
            pages->setCurrentWidget(child);
        }
    }
    if (widget.window() == &mainWindow()) {
        showMainWindow();
    } else {
        widget.window()->show();
    }
}

void EditorFixture::click(const QString& name) const {
    QWidget& widget = get(name);
    reveal(widget);
    // A check box or radio button takes clicks on its mark and its text only.
    const bool marked = qobject_cast<QCheckBox*>(&widget) || qobject_cast<QRadioButton*>(&widget);
    const QPoint point = marked ? QPoint(6, widget.height() / 2) : widget.rect().center();
    QTest::mouseClick(&widget, Qt::LeftButton, {}, point);
}

void EditorFixture::type(const QString& fieldName, const QString& text) const {
    auto& field = get<QLineEdit>(fieldName);
    reveal(field);
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

}  // namespace qv::test
