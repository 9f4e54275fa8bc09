#include "ui/main/Startup.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

#include "gamelink/LanguageSetting.h"
#include "gamelink/Settings.h"
#include "platform/FileSystem.h"
#include "platform/GameProcess.h"
#include "platform/UserLanguage.h"
#include "ui/common/Look.h"
#include "ui/common/QtDialogs.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorApplication.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MissionCommands.h"

namespace qv::ui {

void prepareApplication(QApplication& application, Language language) {
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    look::registerFontSubstitutes();
    QApplication::setFont(look::windowFont());
    installTranslations(application, language);
}

bool installTranslations(QApplication& application, Language language) {
    setLanguage(language);
    const QString name = QStringLiteral("QuorvaneTranslator");
    // A translator removes itself from the application as it goes.
    qDeleteAll(application.findChildren<QTranslator*>(name, Qt::FindDirectChildrenOnly));
    auto* translator = new QTranslator(&application);
    translator->setObjectName(name);
    if (language == Language::English) {
        if (translator->load(QStringLiteral(":/i18n/quorvane_en.qm"))) {
            QApplication::installTranslator(translator);
            return true;
        }
        delete translator;
        return false;
    }
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

Language startupLanguage(const FileSystem& files) {
    return chosenLanguage(readLanguageChoice(files, settingsPath(files.currentFolder())),
                          userLanguage());
}

int runEditor(int argc, char** argv) {
    // The dialog layer outlives the application, which reports errors through it to its end.
    QtDialogs dialogs;
    EditorApplication application(argc, argv);
    prepareApplication(application, startupLanguage(systemFileSystem()));
    application.reportErrorsTo(dialogs);
    EditorApp editor({systemFileSystem(), dialogs, systemGameProcess()});
    editor.mainWindow().show();
    openProjectGivenAtStart(editor, QApplication::arguments());
    return QApplication::exec();
}

}  // namespace qv::ui
