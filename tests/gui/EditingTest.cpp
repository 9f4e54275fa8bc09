#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include "DialogDriver.h"
#include "ExampleMissions.h"
#include "gamelink/Settings.h"
#include "model/ProjectFile.h"
#include "platform/Paths.h"
#include "ui/main/MissionCommands.h"

using qv::test::EditorFixture;
using namespace qv::test;
using namespace qv::ui;

namespace {

const QString ProjectPath = QStringLiteral("/races/lssprint.qvnx");

qv::CarEntry car(const char* model) {
    return {model, "1", "2", "3", "4", {}};
}

QString carModels(const qv::Mission& mission) {
    QString models;
    for (int row = 1; row <= mission.carCount(); ++row) {
        models += QString::fromStdString(mission.car(row).Model) + QLatin1Char(' ');
    }
    return models.trimmed();
}

// The tree's own command named `name` ("InsertRowAction", "MoveRowUpAction", ...).
QAction& rowAction(MissionTreeView& tree, const char* name) {
    for (QAction* action : tree.actions()) {
        if (action->objectName() == QLatin1String(name)) {
            return *action;
        }
    }
    qFatal("%s has no action %s", qPrintable(tree.objectName()), name);
}

void saveExample(EditorFixture& editor) {
    qv::Mission example;
    fillLosSantosSprint(example);
    qv::saveProject(example, ProjectPath.toStdString(), editor.files);
}

const qv::test::ShownMessage* lastQuestion(const EditorFixture& editor) {
    for (auto it = editor.dialogs.messages().rbegin(); it != editor.dialogs.messages().rend();
         ++it) {
        if (it->text == QStringLiteral("Сохранить изменения?")) {
            return &*it;
        }
    }
    return nullptr;
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoEveryKindOfChange();
    void rowsAreInsertedDuplicatedMovedAndRemovedInEveryTree();
    void unsavedChangesAreNeverLostSilently();
    void projectsOpenFromTheCommandLineByDropAndFromTheRecentList();
    void theRecentListNeverSpoilsASaveOrAnOpen();
    void undoKeysReachTheProgramFromEveryField();
    void theTreesOpenAndAnswerTheKeyboard();
    void theShortcutsWorkInEveryWindow();
    void everyDialogHasRoomForItsWholeTitle();
};

void EditingTest::undoAndRedoEveryKindOfChange() {
    EditorFixture editor;
    QAction& undo = editor.action("UndoAction");
    QAction& redo = editor.action("RedoAction");
    QVERIFY(!undo.isEnabled());
    QCOMPARE(undo.text(), QStringLiteral("Отменить"));

    editor.type("AMissionName", "RACE");  // one run of typing
    QCOMPARE(undo.text(), QStringLiteral("Отменить: изменение: название миссии"));
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("Quorvane 0.9*"));
    editor.click("AddCarBtn");
    typeInto(editor, WindowId::AddCar, "Edit1", QStringLiteral("elegy"));
    clickOn(editor, WindowId::AddCar, "BitBtn1");
    QCOMPARE(undo.text(), QStringLiteral("Отменить: добавление машины 1"));

    editor.press(QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(editor.mission().carCount(), 0);
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree"), QStringList{"Машины (0 всего)"});
    QCOMPARE(redo.text(), QStringLiteral("Повторить: добавление машины 1"));
    editor.press(QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(editor.get<QLineEdit>("AMissionName").text(), QStringLiteral("RACEMS1"));
    QVERIFY(!undo.isEnabled());
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("Quorvane 0.9"));

    editor.press(QKeySequence(QStringLiteral("Ctrl+Y")));
    QCOMPARE(editor.get<QLineEdit>("AMissionName").text(), QStringLiteral("RACE"));
    editor.press(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    QCOMPARE(editor.mission().car(1).Model, std::string("ELEGY"));
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree").at(2),
             QStringLiteral("\t\tМодель: #ELEGY"));
    QVERIFY(!redo.isEnabled());

    // An event line edited in place is a step too.
    editor.mission().appendEvent({"", {"A"}, {"B"}});
    auto& events = control<MissionTreeView>(editor, WindowId::Events, "EventsTree");
    const QModelIndex line = events.treeModel().index(
        0, 0,
        events.treeModel().index(0, 0,
                                 events.treeModel().index(0, 0, events.treeModel().index(0, 0))));
    QVERIFY(events.model()->setData(line, QStringLiteral("C"), Qt::EditRole));
    QCOMPARE(undo.text(), QStringLiteral("Отменить: правка строки события 1"));
    undo.trigger();
    QCOMPARE(editor.mission().event(1).Conditions, std::vector<std::string>{"A"});
}

void EditingTest::rowsAreInsertedDuplicatedMovedAndRemovedInEveryTree() {
    EditorFixture editor;
    for (const char* model : {"A", "B", "C"}) {
        editor.mission().appendCar(car(model));
    }
    editor.get<QSpinBox>("PlayerCarNumber").setValue(3);  // C
    auto& cars = editor.get<MissionTreeView>("CarTree");

    cars.selectRow(1);
    // The insert command names the number the new row takes.
    QVERIFY(rowAction(cars, "InsertRowAction").text().contains(QStringLiteral("№2")));
    rowAction(cars, "InsertRowAction").trigger();
    QVERIFY(editor.window(WindowId::AddCar).isVisible());
    typeInto(editor, WindowId::AddCar, "Edit1", QStringLiteral("new"));
    clickOn(editor, WindowId::AddCar, "BitBtn1");
    QCOMPARE(carModels(editor.mission()), QStringLiteral("A NEW B C"));
    QCOMPARE(cars.selectedRow(), 2);
    QVERIFY(cars.isExpanded(cars.treeModel().indexOf(cars.selectedNode())));
    QCOMPARE(editor.get<QSpinBox>("PlayerCarNumber").value(), 4);

    // "Правка" names each step by the row as the user sees it: the row duplicated, the row moved
    // by the number it now has.
    QAction& undo = editor.action("UndoAction");
    rowAction(cars, "DuplicateRowAction").trigger();
    QCOMPARE(carModels(editor.mission()), QStringLiteral("A NEW NEW B C"));
    QCOMPARE(cars.selectedRow(), 3);
    QCOMPARE(undo.text(), QStringLiteral("Отменить: дублирование машины 2"));
    editor.reveal(cars);
    cars.setFocus();
    QTest::keyClick(&cars, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(undo.text(), QStringLiteral("Отменить: перемещение машины 2"));
    QTest::keyClick(&cars, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(cars.selectedRow(), 1);
    QCOMPARE(undo.text(), QStringLiteral("Отменить: перемещение машины 1"));
    QVERIFY(!rowAction(cars, "MoveRowUpAction").isEnabled());
    rowAction(cars, "RemoveRowAction").trigger();
    QCOMPARE(carModels(editor.mission()), QStringLiteral("A NEW B C"));
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree").at(0),
             QStringLiteral("Машины (4 всего)"));
    QCOMPARE(editor.get<QSpinBox>("PlayerCarNumber").value(), 4);  // still C
    editor.action("UndoAction").trigger();
    QCOMPARE(carModels(editor.mission()), QStringLiteral("NEW A NEW B C"));
    QCOMPARE(editor.get<QSpinBox>("PlayerCarNumber").value(), 5);

    // The objects window wires its tree as the main window's trees are wired.
    editor.mission().appendObject({"1238", "1", "2", "3", "4"});
    editor.mission().appendObject({"3578", "1", "2", "3", "4"});
    auto& objects = control<MissionTreeView>(editor, WindowId::Objects, "ObjectTree");
    objects.selectRow(1);
    rowAction(objects, "MoveRowDownAction").trigger();
    QCOMPARE(editor.mission().object(1).Model, std::string("3578"));
    QCOMPARE(shownTree(*objects.model()).at(1), QStringLiteral("\tОбъект 1"));
    QCOMPARE(objects.selectedRow(), 2);
    clickOn(editor, WindowId::Objects, "Button3");  // "Изменить" follows its row as it moves
    rowAction(objects, "MoveRowUpAction").trigger();
    QCOMPARE(editor.window(WindowId::ModifyObject).windowTitle(),
             QStringLiteral("Объект 1 - Редактирование"));
    rowAction(objects, "RemoveRowAction").trigger();
    QVERIFY(!editor.window(WindowId::ModifyObject).isVisible());
}

void EditingTest::unsavedChangesAreNeverLostSilently() {
    EditorFixture editor;
    saveExample(editor);
    editor.type("AMissionName", "MINE");

    // "Отмена": nothing happens.
    editor.dialogs.answerMessage(MessageButton::Cancel);
    editor.action("OpenAction").trigger();
    const auto* question = lastQuestion(editor);
    QVERIFY(question != nullptr);
    QCOMPARE(question->title, QStringLiteral("Quorvane"));
    QCOMPARE(question->buttons, MessageButton::Yes | MessageButton::No | MessageButton::Cancel);
    QVERIFY(question->detail.contains(QStringLiteral("«MINE»")));  // the mission, while unsaved
    QVERIFY(editor.dialogs.openRequests().empty());
    editor.dialogs.answerMessage(MessageButton::Cancel);
    QVERIFY(!editor.mainWindow().close());
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("MINE"));

    // "Да" for a new mission asks for a name; cancelling that keeps everything too.
    editor.dialogs.answerMessage(MessageButton::Yes);
    editor.action("OpenAction").trigger();
    QCOMPARE(int(editor.dialogs.saveRequests().size()), 1);
    QVERIFY(editor.dialogs.openRequests().empty());

    // "Да" with a name: saved, then opened.
    editor.dialogs.answerMessage(MessageButton::Yes);
    editor.dialogs.answerSaveFile(QStringLiteral("/races/mine.qvnx"));
    editor.dialogs.answerOpenFile(ProjectPath);
    editor.action("OpenAction").trigger();
    QCOMPARE(editor.mission().carCount(), 4);
    QVERIFY(editor.files.files.at("/races/mine.qvnx").find("MINE") != std::string::npos);
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("lssprint.qvnx - Quorvane 0.9"));
    QVERIFY(!editor.action("UndoAction").isEnabled());  // opening clears the history

    // "Сохранить" writes to the project's own file without asking.
    editor.type("AMissionName", "LSS");
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("lssprint.qvnx* - Quorvane 0.9"));
    const size_t saveDialogs = editor.dialogs.saveRequests().size();
    editor.action("SaveAction").trigger();
    QCOMPARE(editor.dialogs.saveRequests().size(), saveDialogs);
    QVERIFY(editor.files.files.at(ProjectPath.toStdString()).find("LSS") != std::string::npos);
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("lssprint.qvnx - Quorvane 0.9"));

    // "Нет": the changes go.
    editor.type("AMissionName", "GONE");
    editor.dialogs.clearRecords();
    editor.dialogs.answerMessage(MessageButton::No);
    editor.dialogs.answerOpenFile(ProjectPath);
    editor.action("OpenAction").trigger();
    QVERIFY(lastQuestion(editor)->detail.contains(QStringLiteral("«lssprint.qvnx»")));
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("LSS"));
    QVERIFY(editor.files.files.at(ProjectPath.toStdString()).find("GONE") == std::string::npos);
}

void EditingTest::projectsOpenFromTheCommandLineByDropAndFromTheRecentList() {
    EditorFixture editor;
    saveExample(editor);
    openProjectGivenAtStart(editor.app(), {QStringLiteral("quorvane"), ProjectPath});
    const int cars = editor.mission().carCount();
    QVERIFY(cars > 1);
    QCOMPARE(editor.mainWindow().windowTitle(), QStringLiteral("lssprint.qvnx - Quorvane 0.9"));
    openProjectGivenAtStart(editor.app(), {QStringLiteral("quorvane")});  // nothing given

    // A dropped project, with the question about the changes first.
    editor.mission().removeRow(qv::MissionPart::Cars, editor.mission().carCount());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ProjectPath)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&editor.mainWindow(), &enter);
    QVERIFY(enter.isAccepted());
    editor.dialogs.answerMessage(MessageButton::No);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&editor.mainWindow(), &drop);
    QVERIFY(lastQuestion(editor) != nullptr);
    QCOMPARE(editor.mission().carCount(), cars);
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(QStringLiteral("/races/notes.txt"))});
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&editor.mainWindow(), &other);
    QVERIFY(!other.isAccepted());

    // The recent list holds the project; one that is gone is offered for removal.
    auto& recent = editor.get<QMenu>("RecentProjectsMenu");
    emit recent.aboutToShow();
    QCOMPARE(recent.actions().size(), 1);
    QVERIFY(recent.actions().front()->text().endsWith(ProjectPath));
    editor.files.files.erase(ProjectPath.toStdString());
    editor.dialogs.answerMessage(MessageButton::Yes);
    recent.actions().front()->trigger();
    QVERIFY(editor.dialogs.lastMessage().text.contains(QStringLiteral("не найден")));
    emit recent.aboutToShow();
    QVERIFY(!recent.actions().front()->isEnabled());  // "(пусто)"
}

void EditingTest::theRecentListNeverSpoilsASaveOrAnOpen() {
    EditorFixture editor;
    const std::string settings = qv::test::native("/races/settings.ini");
    editor.files.files[settings] = "[Main]\r\nGameDir=C:\\Games\\SA\\\r\n";
    auto& recent = editor.get<QMenu>("RecentProjectsMenu");
    const auto shownPaths = [&] {
        emit recent.aboutToShow();
        QStringList paths;
        for (QAction* action : recent.actions()) {
            paths << action->text()
                         .section(QLatin1Char(' '), 1)
                         .replace(QStringLiteral("&&"), QStringLiteral("&"));
        }
        return paths;
    };

    // A name Windows-1251 cannot write, with an "&" that must not become a mnemonic.
    const QString foreign = QStringLiteral("/races/José & Ὀδυσσεύς/race.qvnx");
    editor.type("AMissionName", "FAR");
    editor.dialogs.answerSaveFile(foreign);
    editor.action("SaveAsAction").trigger();
    QVERIFY(editor.dialogs.messages().empty());
    QVERIFY(!editor.mission().modified());
    QCOMPARE(shownPaths(), QStringList{foreign});
    QVERIFY(recent.actions().front()->text().contains(QStringLiteral("José && ")));
    QCOMPARE(qv::readSettings(editor.files, settings).gameFolder, std::string("C:\\Games\\SA\\"));

    // Opened by a relative name it is the same project, listed once, absolute.
    saveExample(editor);
    if constexpr (qv::NativeSeparator == '/') {
        openProjectGivenAtStart(editor.app(),
                                {QStringLiteral("quorvane"), QStringLiteral("lssprint.qvnx")});
        openProjectGivenAtStart(
            editor.app(), {QStringLiteral("quorvane"), QStringLiteral("./x/../lssprint.qvnx")});
        QCOMPARE(shownPaths(), (QStringList{ProjectPath, foreign}));
    } else {
        // The fake files are kept by their text, and this test writes them with "/": on Windows
        // a relative name comes back with "\", which only a real file system takes for the same.
        openProjectGivenAtStart(editor.app(), {QStringLiteral("quorvane"), ProjectPath});
    }

    // A list that cannot be written costs a note, not the save, nor the open after "Да".
    editor.files.readOnly.insert(settings);
    editor.dialogs.clearRecords();
    editor.type("AMissionName", "RO");
    editor.dialogs.answerMessage(MessageButton::Yes);
    editor.dialogs.answerOpenFile(foreign);
    editor.action("OpenAction").trigger();
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("FAR"));
    qv::Mission saved;
    qv::loadProject(saved, ProjectPath.toStdString(), editor.files);
    QCOMPARE(saved.parameters().AMissionName, std::string("RO"));
    QCOMPARE(int(editor.dialogs.messages().size()), 2);  // the question and the open's summary
    QVERIFY(!editor.mainWindow().statusBar()->currentMessage().isEmpty());
}

void EditingTest::undoKeysReachTheProgramFromEveryField() {
    EditorFixture editor;
    editor.mission().appendCar(car("A"));
    editor.mission().markSaved();
    editor.showMainWindow();
    auto& cars = editor.get<MissionTreeView>("CarTree");
    cars.selectRow(1);
    rowAction(cars, "DuplicateRowAction").trigger();
    auto& name = editor.get<QLineEdit>("AMissionName");
    const QString saved = name.text();

    // The cursor in a field the step did not touch.
    editor.reveal(name);
    name.setFocus();
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.mission().carCount(), 1);
    QTest::keyClick(&name, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor.mission().carCount(), 2);
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier);

    // In a field just typed into, the typing is the step undone, the field showing the mission.
    name.selectAll();
    QTest::keyClicks(&name, QStringLiteral("XY"));
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name.text(), saved);
    QCOMPARE(QString::fromStdString(editor.mission().parameters().AMissionName), saved);
    QVERIFY(!editor.mission().modified());
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(name.text(), QStringLiteral("XY"));

    // A number field, and a field of another window.
    auto& number = editor.get<QSpinBox>("AMissionNumber");
    editor.reveal(number);
    number.setFocus();
    QTest::keyClick(&number, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name.text(), saved);
    editor.click("AddCarBtn");
    auto& model = control<QLineEdit>(editor, WindowId::AddCar, "Edit1");
    QTest::keyClick(&model, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(name.text(), QStringLiteral("XY"));
}

void EditingTest::theTreesOpenAndAnswerTheKeyboard() {
    EditorFixture editor;
    saveExample(editor);
    editor.showMainWindow();
    openProjectGivenAtStart(editor.app(), {QStringLiteral("quorvane"), ProjectPath});
    const int cars = editor.mission().carCount();
    auto& tree = editor.get<MissionTreeView>("CheckpTree");
    editor.reveal(tree);
    const QModelIndex root = tree.treeModel().index(0, 0);
    QVERIFY(tree.isExpanded(root));  // a loaded tree shows its rows

    // Each row's tooltip holds its coordinates.
    const qv::CheckpointEntry& second = editor.mission().checkpoint(2);
    const QString details = tree.rowDetails(tree.treeModel().index(1, 0, root));
    for (const std::string& value : {second.X, second.Y, second.Z}) {
        QVERIFY2(details.contains(QString::fromStdString(value)), qPrintable(details));
    }
    QVERIFY(tree.rowDetails(root).isEmpty());

    // Enter and a double click open the row's change dialog; Delete removes the row.
    tree.selectRow(2);
    tree.setFocus();
    QTest::keyClick(&tree, Qt::Key_Return);
    QTRY_VERIFY(editor.window(WindowId::ModifyCheckp).isVisible());
    editor.window(WindowId::ModifyCheckp).hide();
    auto& carTree = editor.get<MissionTreeView>("CarTree");
    editor.reveal(carTree);
    carTree.selectRow(1);
    const QRect row = carTree.visualRect(carTree.currentIndex());
    QTest::mouseClick(carTree.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(carTree.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseRelease(carTree.viewport(), Qt::LeftButton, {}, row.center());
    QTRY_VERIFY(editor.window(WindowId::ModifyCar).isVisible());
    editor.window(WindowId::ModifyCar).hide();
    carTree.setFocus();
    QTest::keyClick(&carTree, Qt::Key_Delete);
    QCOMPARE(editor.mission().carCount(), cars - 1);
}

void EditingTest::theShortcutsWorkInEveryWindow() {
    EditorFixture editor;
    editor.mission().appendObject({"1238", "1", "2", "3", "4"});
    for (const WindowId id :
         {WindowId::Objects, WindowId::Events, WindowId::Script, WindowId::Options}) {
        QWidget& window = editor.window(id);
        editor.app().showWindow(id);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        editor.dialogs.clearRecords();
        QTest::keySequence(&window, QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(int(editor.dialogs.saveRequests().size()), 1);
        window.hide();
    }
    QWidget& objects = editor.window(WindowId::Objects);
    editor.app().showWindow(WindowId::Objects);
    QVERIFY(QTest::qWaitForWindowActive(&objects));
    QTest::keySequence(&objects, QKeySequence(QStringLiteral("Ctrl+Z")));
    QCOMPARE(editor.mission().objectCount(), 0);
}

// A title bar writes the title beside the window's icon and buttons: a dialog narrower than
// that shows "Добави… ашину".
void EditingTest::everyDialogHasRoomForItsWholeTitle() {
    EditorFixture editor;
    fillVenturasCircuit(editor.mission());
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const struct {
        WindowId id;
        qv::MissionPart part;  // a change dialog's table, Everything for an add dialog
    } dialogs[] = {{WindowId::AddCar, qv::MissionPart::Everything},
                   {WindowId::AddCheckp, qv::MissionPart::Everything},
                   {WindowId::AddObject, qv::MissionPart::Everything},
                   {WindowId::AddEvent, qv::MissionPart::Everything},
                   {WindowId::ModifyCar, qv::MissionPart::Cars},
                   {WindowId::ModifyCheckp, qv::MissionPart::Checkpoints},
                   {WindowId::ModifyObject, qv::MissionPart::Objects},
                   {WindowId::ModifyEvent, qv::MissionPart::Events}};
    for (const auto& dialog : dialogs) {
        if (dialog.part == qv::MissionPart::Everything) {
            editor.app().openRowInserter(dialog.id, 0);
        } else {
            editor.app().openRowEditor(dialog.id, editor.mission().rowCount(dialog.part));
        }
        const QWidget& window = editor.window(dialog.id);
        QVERIFY2(window.isVisible(), qPrintable(window.objectName()));
        QVERIFY2(window.width() >=
                     metrics.horizontalAdvance(window.windowTitle()) + 3 * metrics.height(),
                 qPrintable(window.windowTitle()));
    }
}

QTEST_MAIN(EditingTest)
#include "EditingTest.moc"
