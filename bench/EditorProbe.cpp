// Starts the editor as a user does and stops it at a chosen point, so that a script can time
// its start and measure its memory:
//   editor_probe startup            exits as soon as the main window has been shown and painted
//   editor_probe largest FOLDER     also saves the largest mission into FOLDER, opens it through
//                                   the open command, builds it, and prints the peak memory
#include <sys/resource.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "LargestMission.h"
#include "model/ProjectFile.h"
#include "ui/common/QtDialogs.h"
#include "ui/main/EditorApp.h"
#include "ui/main/EditorApplication.h"
#include "ui/main/MainWindow.h"
#include "ui/main/Startup.h"
#include "ui/script/ScriptWindow.h"

namespace {

// Answers the open dialog with one path and every message box with OK, without showing them.
class ProbeDialogs final : public qv::ui::Dialogs {
  public:
    explicit ProbeDialogs(QString project) : project_(std::move(project)) {}
    qv::ui::MessageButton message(const qv::ui::MessageRequest& request) override {
        if (request.icon == qv::ui::MessageIcon::Error) {
            std::fprintf(stderr, "error: %s\n", qPrintable(request.text));
        }
        return qv::ui::MessageButton::Ok;
    }
    QString openFile(const qv::ui::FileRequest&) override { return project_; }
    QString saveFile(const qv::ui::FileRequest&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
    void beep() override {}

  private:
    QString project_;
};

}  // namespace

int main(int argc, char** argv) {
    const bool largest = argc >= 3 && std::strcmp(argv[1], "largest") == 0;
    qv::ui::EditorApplication application(argc, argv);
    qv::ui::prepareApplication(application);
    std::string project;
    if (largest) {
        project = std::string(argv[2]) + "/largest.qvnx";
        qv::Mission mission;
        qv::test::fillLargestMission(mission);
        qv::saveProject(mission, project, qv::systemFileSystem());
    }
    ProbeDialogs dialogs(QString::fromStdString(project));
    qv::ui::EditorApp editor({qv::systemFileSystem(), dialogs, qv::systemGameProcess()});
    qv::ui::MainWindow& main = editor.mainWindow();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        return 1;
    }
    main.repaint();
    if (largest) {
        main.findChild<QAction*>(QStringLiteral("OpenAction"))->trigger();
        main.findChild<QAction*>(QStringLiteral("BuildAction"))->trigger();
        QCoreApplication::processEvents();
        editor.scriptWindow().repaint();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("cars %d, script lines %d, peak memory %.1f MB\n", editor.mission().carCount(),
                    editor.scriptWindow().script().blockCount(),
                    static_cast<double>(usage.ru_maxrss) / 1024.0);
    }
    return 0;
}
