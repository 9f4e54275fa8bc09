#include <QComboBox>
#include <QPlainTextEdit>
#include <QSlider>
#include <QToolButton>

#include "DialogDriver.h"

using namespace qv::test;
using qv::ui::WindowId;

namespace {

const QString ProjectPath = QStringLiteral("/races/race.qvnx");

// Every tree of the mission as its view shows it.
QStringList shownTrees(const EditorFixture& editor) {
    return shownTree(editor, WindowId::Main, "CarTree") +
           shownTree(editor, WindowId::Main, "CheckpTree") +
           shownTree(editor, WindowId::Objects, "ObjectTree") +
           shownTree(editor, WindowId::Events, "EventsTree");
}

QString builtScript(EditorFixture& editor) {
    editor.dialogs.clearRecords();
    editor.action(QStringLiteral("BuildAction")).trigger();
    if (!editor.dialogs.messages().empty()) {
        return editor.dialogs.lastMessage().text;
    }
    return editor.get<QPlainTextEdit>(QStringLiteral("Script")).toPlainText();
}

void addCar(EditorFixture& editor, const QString& model, const QStringList& components) {
    editor.click("AddCarBtn");
    typeInto(editor, WindowId::AddCar, "Edit1", model);
    clickOn(editor, WindowId::AddCar, "SpeedButton1");
    for (const QString& component : components) {
        typeInto(editor, WindowId::AddCar, "CModel", component);
        clickOn(editor, WindowId::AddCar, "Button1");
    }
    clickOn(editor, WindowId::AddCar, "BitBtn1");
}

void addCheckpoint(EditorFixture& editor, int speed, int driveType, const QString& x) {
    editor.click("AddCheckpBtn");
    control<QSlider>(editor, WindowId::AddCheckp, "TrackBar1").setValue(speed);
    control<QComboBox>(editor, WindowId::AddCheckp, "ComboBox1").setCurrentIndex(driveType);
    typeInto(editor, WindowId::AddCheckp, "Edit2", x);
    clickOn(editor, WindowId::AddCheckp, "BitBtn1");
}

// A race of two cars, three checkpoints, an object and two events, entered in the dialogs.
void enterMission(EditorFixture& editor) {
    editor.game.placePlayer(2488.56f, -1666.84f, 13.38f, 1.0f);
    addCar(editor, QStringLiteral("infernus"), {});
    control<QToolButton>(editor, WindowId::AddCar, "SpeedButton2").click();
    addCar(editor, QStringLiteral("elegy"),
           {QStringLiteral("nto_b_l"), QStringLiteral("wheel_sr6")});
    editor.mainWindow().carTree().selectRow(1);
    editor.click("RepCarBtn");
    typeInto(editor, WindowId::ModifyCar, "Edit5", QStringLiteral("12.5"));
    clickOn(editor, WindowId::ModifyCar, "BitBtn1");

    addCheckpoint(editor, 60, 0, QStringLiteral("2500.0"));
    addCheckpoint(editor, 45, 1, QStringLiteral("2600.5"));
    addCheckpoint(editor, 100, 2, QStringLiteral("2700"));
    editor.mainWindow().checkpointTree().selectRow(2);
    editor.click("RepCheckpBtn");
    clickOn(editor, WindowId::ModifyCheckp, "BitBtn1");

    editor.click("ObjectsBtn");
    clickOn(editor, WindowId::Objects, "Button1");
    typeInto(editor, WindowId::AddObject, "Edit1", QStringLiteral("cj_ramp"));
    clickOn(editor, WindowId::AddObject, "SpeedButton1");
    clickOn(editor, WindowId::AddObject, "BitBtn1");

    editor.click("EventsBtn");
    for (const auto& [kind, conditions] :
         {std::pair{1, "0038:   $RaceMis1Lap == 2\n80E1: player $PLAYER_CHAR pressed_key 15"},
          {0, "00E1:   player 0 pressed_key 16"}}) {
        clickOn(editor, WindowId::Events, "Button1");
        control<QComboBox>(editor, WindowId::AddEvent, "ComboBox1").setCurrentIndex(kind);
        control<QPlainTextEdit>(editor, WindowId::AddEvent, "Conditions")
            .setPlainText(QString::fromLatin1(conditions));
        control<QPlainTextEdit>(editor, WindowId::AddEvent, "Actions")
            .setPlainText(QStringLiteral("wait 250\n01B4: set_player $PLAYER_CHAR can_move 1"));
        clickOn(editor, WindowId::AddEvent, "Button1");
    }
}

}  // namespace

class MissionThroughDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void aMissionEnteredInTheDialogsComesBackFromItsFile();
};

void MissionThroughDialogsTest::aMissionEnteredInTheDialogsComesBackFromItsFile() {
    std::map<std::string, std::string> files;
    QString script;
    QStringList trees;
    {
        EditorFixture editor;
        enterMission(editor);
        QCOMPARE(editor.mission().carCount(), 2);
        QCOMPARE(editor.mission().checkpointCount(), 3);
        QCOMPARE(editor.mission().objectCount(), 1);
        QCOMPARE(editor.mission().eventCount(), 2);
        QCOMPARE(editor.mission().car(2).Components,
                 (std::vector<std::string>{"#NTO_B_L", "#WHEEL_SR6"}));
        QCOMPARE(editor.mission().checkpoint(2).Type, std::string("1"));
        script = builtScript(editor);
        QVERIFY2(script.contains(QStringLiteral("#ELEGY")), qPrintable(script.left(200)));
        QVERIFY(script.contains(QStringLiteral("80E1: player $PLAYER_CHAR pressed_key 15")));
        trees = shownTrees(editor);
        QVERIFY(trees.contains(QStringLiteral("\t\tТип езды: По обычным путям")));

        editor.dialogs.answerSaveFile(ProjectPath);
        editor.action(QStringLiteral("SaveAsAction")).trigger();
        QVERIFY(editor.dialogs.messages().empty());
        files = editor.files.files;
    }

    EditorFixture loaded;
    loaded.files.files = files;
    loaded.dialogs.answerOpenFile(ProjectPath);
    loaded.action(QStringLiteral("OpenAction")).trigger();
    QCOMPARE(shownTrees(loaded), trees);
    QCOMPARE(builtScript(loaded), script);
}

QTEST_MAIN(MissionThroughDialogsTest)
#include "MissionThroughDialogsTest.moc"
