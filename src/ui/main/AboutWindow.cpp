#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/main/EditorApp.h"
#include "ui/main/EditorWindows.h"
#include "ui/main/MainWindow.h"

namespace qv::ui {

// "О программе": the program's name and version, and a button that closes the window.
QWidget* createAboutWindow(EditorApp& app) {
    auto* window = new QDialog(&app.mainWindow());
    window->setObjectName(QStringLiteral("About"));
    window->setWindowTitle(QCoreApplication::translate("AboutWindow", "О программе"));

    auto* name = new QLabel(QStringLiteral("Quorvane"), window);
    QFont nameFont = name->font();
    nameFont.setPointSize(16);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* version = new QLabel(QCoreApplication::translate("AboutWindow", "Версия 0.9"), window);
    auto* purpose = new QLabel(
        QCoreApplication::translate("AboutWindow", "Редактор гоночных миссий для GTA: San Andreas"),
        window);
    auto* close = new QPushButton(QCoreApplication::translate("AboutWindow", "Закрыть"), window);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::hide);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(purpose, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return window;
}

}  // namespace qv::ui
