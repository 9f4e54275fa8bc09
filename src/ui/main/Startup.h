#pragma once

class QApplication;

namespace qv::ui {

// Settles what the whole application shares before its first window exists: the application
// title "Quorvane", the windows' font, and Qt's own texts (standard buttons, file dialogs) in
// Russian where Qt's translations are installed.
void prepareApplication(QApplication& application);

// Loads Qt's Russian texts; false when they are not installed.
bool installQtTranslation(QApplication& application);

// Makes "." the decimal separator of every number the process converts, whatever the system's
// regional settings say: the C library's (which QApplication set from the environment) and
// Qt's default locale.
void useDotDecimalSeparator();

// The editor's program: start-up, the main window, the event loop.
int runEditor(int argc, char** argv);

}  // namespace qv::ui
