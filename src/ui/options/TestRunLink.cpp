#include "ui/options/TestRunLink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <algorithm>
#include <thread>

#include "gamelink/TestRunJournal.h"
#include "ui/common/Commands.h"
#include "ui/main/EditorApp.h"
#include "ui/main/MainWindow.h"
#include "ui/options/OptionsWindow.h"
#include "ui/script/ScriptWindow.h"

namespace qv::ui {

namespace {

TestRunTiming exitTiming(TestRunLink& link) {
    TestRunTiming timing;
    timing.sleep = [&link](std::chrono::milliseconds time) { link.waitOnExit(time); };
    return timing;
}

}  // namespace

TestRunLink::TestRunLink(EditorApp& app, OptionsWindow& options)
    : QObject(&options),
      app_(app),
      options_(options),
      status_(new QLabel(app.mainWindow().statusBar())),
      cancelRecovery_(new QPushButton(tr("Отмена"), app.mainWindow().statusBar())),
      testRun_(app.files(), app.launcher(), app.game(), *this, exitTiming(*this)) {
    // A permanent part of the status bar, so that the hints shown there do not cover it.
    status_->setObjectName(QStringLiteral("TestRunStatus"));
    status_->hide();
    app.mainWindow().statusBar()->addPermanentWidget(status_, 1);
    cancelRecovery_->setObjectName(QStringLiteral("TestRunRecoveryCancel"));
    cancelRecovery_->hide();
    app.mainWindow().statusBar()->addPermanentWidget(cancelRecovery_);
    connect(cancelRecovery_, &QPushButton::clicked, this, [this] { endRecoveryWait(); });

    // Each tick is armed anew after the step before it, so that a message box a step shows
    // never sees the next step start beneath it.
    for (QTimer* timer : {&runTimer_, &recoveryTimer_}) {
        timer->setSingleShot(true);
        timer->setInterval(testRun_.timing().poll);
    }
    connect(&runTimer_, &QTimer::timeout, this, [this] { stepRun(); });
    connect(&recoveryTimer_, &QTimer::timeout, this, [this] { recoverInterruptedRun(); });
}

TestRunLink::~TestRunLink() {
    // Ended without the exit command (the window system's end of the session): the user's
    // main.scm goes back now, the compiler's output waited for.
    app_.runCommand([this] { testRun_.finishNow(); });
}

void TestRunLink::finishBeforeExit() {
    // The run moves on no further than the end the program needs.
    runTimer_.stop();
    recoveryTimer_.stop();
    exiting_ = true;
    const auto done = qScopeGuard([this] {
        delete exitWait_;
        exiting_ = false;
    });
    testRun_.finishNow();
}

void TestRunLink::waitOnExit(std::chrono::milliseconds time) {
    if (!exiting_) {
        std::this_thread::sleep_for(time);
        return;
    }
    if (!exitWait_) {
        auto* box = new QProgressDialog(
            tr("Sanny Builder ещё компилирует скрипт проверки. Программа закроется, "
               "когда он закончит (не дольше двух минут), и вернёт ваш main.scm "
               "на место."),
            QString(), 0, 0, &app_.mainWindow());
        box->setObjectName(QStringLiteral("ExitWaitBox"));
        box->setWindowTitle(tr("Выход"));
        box->setWindowModality(Qt::ApplicationModal);
        box->setMinimumDuration(0);
        box->show();
        exitWait_ = box;
    }
    // Only the box is painted meanwhile; nothing the user does reaches the editor.
    const QDeadlineTimer deadline(time);
    do {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(std::min(std::chrono::milliseconds(10),
                                             std::chrono::milliseconds(deadline.remainingTime())));
    } while (!deadline.hasExpired());
}

void TestRunLink::testBuiltMission(const std::vector<std::string>& lines) {
    if (!options_.missionTest()) {
        return;
    }
    testRun_.start({app_.workingFolder(), options_.gameFolder(), options_.compilerFolder()}, lines,
                   app_.mission().parameters().AMissionPrefix);
    if (testRun_.inProgress()) {
        runTimer_.start();
    }
}

void TestRunLink::stepRun() {
    app_.runCommand([this] { testRun_.step(); });
    if (testRun_.inProgress()) {
        runTimer_.start();
    }
}

void TestRunLink::recoverInterruptedRun() {
    const RecoveryOutcome outcome =
        recoverInterruptedTestRun(app_.files(), app_.launcher(), app_.workingFolder());
    const bool waiting = !outcome.waitingFor.empty();
    if (waiting) {
        // Short enough for the status bar; the hint tells the rest.
        const QString program = QString::fromStdString(outcome.waitingFor);
        showStatus(tr("Проверка была прервана: main.scm вернётся, когда закроется %1")
                       .arg(program)
                       .toStdString());
        status_->setToolTip(
            tr("Прошлая проверка скрипта миссии была прервана, а %1 ещё работает. Ваш main.scm "
               "вернётся на место, когда %1 закроется. «Отмена» оставляет файлы как есть до "
               "следующего запуска программы.")
                .arg(program));
        app_.setQuitNote(EditorApp::QuitNote::TestRun,
                         tr("Прошлая проверка ещё не закончена: main.scm в папке игры останется "
                            "тестовым скриптом, пока Quorvane не будет запущен снова после того, "
                            "как закроется %1.")
                             .arg(program)
                             .toStdString());
        recoveryTimer_.start();
    } else if (!cancelRecovery_->isHidden()) {  // the wait is over
        endRecoveryWait();
    }
    cancelRecovery_->setVisible(waiting);
    if (outcome.message) {
        // Told once the editor is up.
        QTimer::singleShot(0, this, [this, message = QString::fromStdString(*outcome.message)] {
            app_.dialogs().message({QString::fromUtf8(ApplicationTitle), message,
                                    MessageIcon::Warning, MessageButton::Ok, nullptr});
        });
    }
}

void TestRunLink::endRecoveryWait() {
    recoveryTimer_.stop();
    app_.setQuitNote(EditorApp::QuitNote::TestRun, {});
    cancelRecovery_->hide();
    status_->setToolTip({});
    showStatus({});
}

void TestRunLink::showInformation(const std::string& message) {
    app_.dialogs().message({QString::fromUtf8(ApplicationTitle), QString::fromStdString(message),
                            MessageIcon::Information, MessageButton::Ok, &app_.scriptWindow()});
}

void TestRunLink::showStatus(const std::string& text) {
    if (status_) {
        status_->setText(QString::fromStdString(text));
        status_->setVisible(!text.empty());
    }
}

void installTestRun(EditorApp& app, OptionsWindow& options) {
    QPointer link = new TestRunLink(app, options);
    app.setBuildFollowUp([link](const std::vector<std::string>& lines) {
        if (link) {
            link->testBuiltMission(lines);
        }
    });
    link->recoverInterruptedRun();
    app.setExitTask([link] {
        if (link) {
            link->finishBeforeExit();
        }
    });
}

}  // namespace qv::ui
