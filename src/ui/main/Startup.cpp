#include "ui/main/Startup.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "platform/FileSystem.h"
#include "platform/GameProcess.h"
#include "ui/common/Look.h"
#include "ui/common/QtDialogs.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorApplication.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MissionCommands.h"

namespace qv::ui {

void prepareApplication(QApplication& application) {
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    look::registerFontSubstitutes();
    QApplication::setFont(look::windowFont());
    installQtTranslation(application);
}

bool installQtTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    const QString folders[] = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_ru"), folder)) {
            QApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

void useDotDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(numbers);
}

void openProjectFromCommandLine(EditorApp& app, const QStringList& arguments) {
    if (arguments.size() > 1) {
        app.runCommand([&] { openProjectFile(app, arguments.at(1)); });
    }
}

int runEditor(int argc, char** argv) {
    EditorApplication application(argc, argv);
    prepareApplication(application);
    QtDialogs dialogs;
    application.reportErrorsTo(dialogs);
    EditorApp editor({systemFileSystem(), dialogs, systemGameProcess()});
    editor.mainWindow().show();
    openProjectFromCommandLine(editor, QApplication::arguments());
    return QApplication::exec();
}

}  // namespace qv::ui
