#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "EditorFixture.h"
#include "ExampleMissions.h"
#include "model/ProjectFile.h"
#include "ui/common/MissionTreeView.h"
#include "ui/main/MissionCommands.h"

using qv::test::EditorFixture;
using namespace qv::ui;

namespace {

// A path in the fake working folder.
std::string inFolder(const EditorFixture& editor, const char* name) {
    return editor.files.currentFolder() + "/" + name;
}

QString qInFolder(const EditorFixture& editor, const char* name) {
    return QString::fromStdString(inFolder(editor, name));
}

// Saves an example project into the fake folder and has the open dialog answer with it.
void offerExample(EditorFixture& editor, void (*fill)(qv::Mission&), const char* name) {
    qv::Mission saved;
    fill(saved);
    qv::saveProject(saved, inFolder(editor, name), editor.files);
    editor.dialogs.answerOpenFile(qInFolder(editor, name));
}

}  // namespace

class ProjectTest : public QObject {
    Q_OBJECT

  private slots:
    void savesThroughTheSaveDialog();
    void aCancelledDialogChangesNothing();
    void loadsThroughTheOpenDialogAndShowsTheSummary();
    void aLoadedCircuitShowsItsLaps();
    void aProjectWithoutItsTreeFilesIsRefused();
    void aFailedSaveIsReported();
    void opensTheProjectNamedOnTheCommandLine();
};

void ProjectTest::savesThroughTheSaveDialog() {
    EditorFixture editor;
    qv::test::fillLosSantosSprint(editor.mission());
    editor.dialogs.answerSaveFile(qInFolder(editor, "race.qvnx"));
    editor.press(QKeySequence(QStringLiteral("Ctrl+S")));

    QCOMPARE(int(editor.dialogs.saveRequests().size()), 1);
    const FileRequest& request = editor.dialogs.saveRequests().front();
    QCOMPARE(request.filter, QStringLiteral("Файл Quorvane (*.qvnx)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("qvnx"));
    QCOMPARE(request.folder, QString::fromStdString(editor.files.currentFolder()));
    QCOMPARE(request.owner, &editor.mainWindow());
    for (const char* name : {"race.qvnx", "race.qvnx.cars", "race.qvnx.checkps"}) {
        QVERIFY2(editor.files.fileExists(inFolder(editor, name)), name);
    }
    QVERIFY(editor.dialogs.messages().empty());
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("race.qvnx - Quorvane 0.9"));
}

void ProjectTest::aCancelledDialogChangesNothing() {
    EditorFixture editor;
    editor.action("SaveAsAction").trigger();
    editor.action("OpenAction").trigger();
    QCOMPARE(int(editor.dialogs.saveRequests().size()), 1);
    QCOMPARE(int(editor.dialogs.openRequests().size()), 1);
    QCOMPARE(editor.files.writes(), 0);
    QVERIFY(editor.dialogs.messages().empty());
}

void ProjectTest::loadsThroughTheOpenDialogAndShowsTheSummary() {
    EditorFixture editor;
    offerExample(editor, qv::test::fillLosSantosSprint, "lssprint.qvnx");
    editor.press(QKeySequence(QStringLiteral("Ctrl+O")));

    QCOMPARE(editor.dialogs.openRequests().front().filter,
             QStringLiteral("Файл Quorvane (*.qvnx)"));
    QCOMPARE(editor.dialogs.openRequests().front().folder,
             QString::fromStdString(editor.files.currentFolder()));
    const qv::Mission& mission = editor.mission();
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Миссия \"%1\" успешно загружена!")
                              .arg(QString::fromStdString(mission.parameters().AMissionName)));
    QCOMPARE(shown.icon, MessageIcon::Information);
    QCOMPARE(shown.buttons, MessageButtons(MessageButton::Ok));
    const QString expected = QStringLiteral(" Тип гонки: Спринт\r\n") +
                             QString(32, QLatin1Char(' ')) +
                             QStringLiteral(
                                 "\r\n Общее количество машин: %1"
                                 "\r\n Общее количество чекпоинтов: %2"
                                 "\r\n Общее количество объектов: 0"
                                 "\r\n Общее количество событий: 0")
                                 .arg(mission.carCount())
                                 .arg(mission.checkpointCount());
    QCOMPARE(shown.text, expected);

    QCOMPARE(editor.get<QLineEdit>("AMissionName").text(),
             QString::fromStdString(mission.parameters().AMissionName));
    QCOMPARE(editor.get<QLineEdit>("AStartX").text(),
             QString::fromStdString(mission.parameters().AStartX));
    const auto& tree = editor.get<MissionTreeView>("CarTree");
    QCOMPARE(tree.model()->index(0, 0).data().toString(),
             QStringLiteral("Машины (%1 всего)").arg(mission.carCount()));
    QCOMPARE(tree.model()->rowCount(tree.model()->index(0, 0)), mission.carCount());
    const auto& player = editor.get<QSpinBox>("PlayerCarNumber");
    QVERIFY(player.isEnabled());
    QCOMPARE(player.maximum(), mission.carCount());
    QCOMPARE(player.value(), mission.parameters().PlayerCarNumber);
}

void ProjectTest::aLoadedCircuitShowsItsLaps() {
    EditorFixture editor;
    offerExample(editor, qv::test::fillVenturasCircuit, "lvcircuit.qvnx");
    editor.action("OpenAction").trigger();

    QCOMPARE(editor.mission().parameters().ARaceType, int(qv::Circuit));
    QVERIFY(!editor.get("ALapsCount").isHidden());
    QVERIFY(!editor.get("CircuitNote").isHidden());
    QVERIFY(editor.dialogs.lastMessage().text.startsWith(QStringLiteral(" Тип гонки: Кольцо\r\n")));
}

void ProjectTest::aProjectWithoutItsTreeFilesIsRefused() {
    EditorFixture editor;
    editor.type("AMissionName", "MINE");
    editor.dialogs.answerMessage(MessageButton::No);  // "Сохранить изменения?"
    editor.dialogs.answerOpenFile(qInFolder(editor, "none.qvnx"));
    editor.action("OpenAction").trigger();

    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Quorvane"));
    QCOMPARE(shown.icon, MessageIcon::Error);
    const QString project = qInFolder(editor, "none.qvnx");
    QCOMPARE(shown.text, QStringLiteral("Для загрузки необходимы следующие файлы:\r\n\r\n") +
                             project + QStringLiteral(".cars; ") + project +
                             QStringLiteral(".checkps; "));
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("MINE"));
}

void ProjectTest::aFailedSaveIsReported() {
    EditorFixture editor;
    editor.files.failWrite(1);
    editor.dialogs.answerSaveFile(qInFolder(editor, "race.qvnx"));
    editor.action("SaveAsAction").trigger();

    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Quorvane"));
    QCOMPARE(shown.icon, MessageIcon::Error);
    QVERIFY(!shown.text.isEmpty());
}

void ProjectTest::opensTheProjectNamedOnTheCommandLine() {
    EditorFixture editor;
    openProjectGivenAtStart(editor.app(), {QStringLiteral("quorvane")});
    QVERIFY(editor.dialogs.messages().empty());
    QVERIFY(editor.dialogs.openRequests().empty());

    // A folder with Cyrillic in its name, as under a Russian user's profile.
    qv::Mission saved;
    qv::test::fillVenturasCircuit(saved);
    const std::string path = inFolder(editor, "Иван/Гонки/lvcircuit.qvnx");
    qv::saveProject(saved, path, editor.files);
    openProjectGivenAtStart(editor.app(),
                            {QStringLiteral("quorvane"), QString::fromStdString(path)});
    QCOMPARE(editor.mission().parameters().AMissionName, saved.parameters().AMissionName);
    QCOMPARE(editor.mission().checkpointCount(), saved.checkpointCount());
    QCOMPARE(editor.dialogs.lastMessage().icon, MessageIcon::Information);

    // One that cannot be read is reported by the general error handler; the race stays.
    openProjectGivenAtStart(editor.app(),
                            {QStringLiteral("quorvane"), qInFolder(editor, "none.qvnx")});
    QCOMPARE(editor.dialogs.lastMessage().icon, MessageIcon::Error);
    QCOMPARE(editor.mission().parameters().AMissionName, saved.parameters().AMissionName);
    QVERIFY(editor.dialogs.openRequests().empty());
}

QTEST_MAIN(ProjectTest)
#include "ProjectTest.moc"
