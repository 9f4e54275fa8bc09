#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "gamelink/TestRun.h"
#include "ui/options/QtEventPump.h"

class QLabel;

namespace qv::ui {

class EditorApp;
class OptionsWindow;

// Test-runs every built mission while the options window's check box is ticked: the last
// step of the build command, so that its errors reach the general error handler. While the
// run waits, the main window's status bar says so and every window stays usable.
class TestRunLink final : public QObject, private TestRunHost {
    Q_OBJECT

  public:
    TestRunLink(EditorApp& app, const OptionsWindow& options);

    // The build's follow-up: runs the test of the mission whose script is `lines`.
    void testBuiltMission(const std::vector<std::string>& lines);
    bool inProgress() const { return testRun_.inProgress(); }

  private:
    void showInformation(const std::string& message) override;
    void showStatus(const std::string& text) override;

    EditorApp& app_;
    const OptionsWindow& options_;
    QtEventPump pump_;
    QLabel* status_;
    TestRun testRun_;
};

// Makes the test run the follow-up of every build, and undoes a test run that an earlier
// start of the program did not live to finish, telling the user once the editor is up.
void installTestRun(EditorApp& app, OptionsWindow& options);

}  // namespace qv::ui
