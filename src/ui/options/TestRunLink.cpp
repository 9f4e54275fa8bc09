#include "ui/options/TestRunLink.h"

#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

#include "gamelink/TestRunJournal.h"
#include "ui/common/Commands.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScriptWindow.h"
#include "ui/options/OptionsWindow.h"

namespace qv::ui {

TestRunLink::TestRunLink(EditorApp& app, const OptionsWindow& options)
    : QObject(&app.mainWindow()),
      app_(app),
      options_(options),
      status_(new QLabel(app.mainWindow().statusBar())),
      testRun_(app.files(), app.launcher(), app.game(), pump_, *this) {
    // A permanent part of the status bar, so that the hints shown there do not cover it.
    status_->setObjectName(QStringLiteral("TestRunStatus"));
    status_->hide();
    app.mainWindow().statusBar()->addPermanentWidget(status_, 1);
}

void TestRunLink::testBuiltMission(const std::vector<std::string>& lines) {
    if (!options_.missionTest()) {
        return;
    }
    testRun_.run({app_.workingFolder(), options_.gameFolder(), options_.compilerFolder()}, lines,
                 app_.mission().parameters().AMissionPrefix);
}

void TestRunLink::showInformation(const std::string& message) {
    app_.dialogs().message({QString::fromUtf8(ApplicationTitle), QString::fromStdString(message),
                            MessageIcon::Information, MessageButton::Ok, &app_.scriptWindow()});
}

void TestRunLink::showStatus(const std::string& text) {
    status_->setText(QString::fromStdString(text));
    status_->setVisible(!text.empty());
}

void installTestRun(EditorApp& app, OptionsWindow& options) {
    QPointer link = new TestRunLink(app, options);
    app.setBuildFollowUp([link](const std::vector<std::string>& lines) {
        if (link) {
            link->testBuiltMission(lines);
        }
    });
    if (const std::optional<std::string> recovered =
            recoverInterruptedTestRun(app.files(), app.workingFolder())) {
        QTimer::singleShot(0, link, [&app, message = QString::fromStdString(*recovered)] {
            app.dialogs().message({QString::fromUtf8(ApplicationTitle), message,
                                   MessageIcon::Warning, MessageButton::Ok, nullptr});
        });
    }
}

}  // namespace qv::ui
