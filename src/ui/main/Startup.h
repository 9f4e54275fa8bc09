#pragma once

#include "platform/FileSystem.h"
#include "platform/Translation.h"

class QApplication;

namespace qv::ui {

// Settles what the whole application shares before its first window exists: the application
// title "Quorvane", the windows' font, and the language of every text, Qt's own (standard
// buttons, file dialogs) among them.
void prepareApplication(QApplication& application, Language language = Language::Russian);

// Speaks `language` from now on: the core's texts, the program's own through its English
// catalogue, and Qt's through Qt's Russian translation where it is installed. False when a
// translation it needs is missing.
bool installTranslations(QApplication& application, Language language);

// The language the user chose in the settings of the program started in `files`' current
// folder, or the user's interface language.
Language startupLanguage(const FileSystem& files);

// Makes "." the decimal separator of every number the process converts, whatever the system's
// regional settings say: the C library's (which QApplication set from the environment) and
// Qt's default locale.
void useDotDecimalSeparator();

// The editor's program: start-up, the main window, the event loop.
int runEditor(int argc, char** argv);

}  // namespace qv::ui
