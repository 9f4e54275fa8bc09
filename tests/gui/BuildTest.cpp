#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "EditorFixture.h"
#include "generator/ScriptGenerator.h"
#include "model/Error.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/TreeModel.h"

using qv::test::EditorFixture;
using namespace qv::ui;

namespace {

void addCar(qv::Mission& mission, std::string model) {
    mission.appendCar({std::move(model), "1.0", "2.0", "3.0", "0.0", {}});
}

// Two cars and one checkpoint: enough for a sprint.
void fillBuildable(qv::Mission& mission) {
    addCar(mission, "ELEGY");
    addCar(mission, "INFERNUS");
    mission.appendCheckpoint({"10.0", "20.0", "30.0", 50, "3"}, "Гоночный ");
}

QString expectedScript(const qv::Mission& mission) {
    // The script as one text, each line ended by CR LF, the last one too; the text field keeps
    // its line ends as LF.
    return QString::fromStdString(
               qv::generateScript(mission, qv::timestampText(EditorFixture::fixedTime())))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

class BuildTest : public QObject {
    Q_OBJECT

  private slots:
    void theScriptWindowStartsWithItsPlaceholder();
    void f5WithTooFewCarsShowsTheCheckMessageOnTheCarsTab();
    void f5WithABadStartPointShowsTheBaseTab();
    void f5WithABadModelSelectsAndExpandsThatCar();
    void f5WithAnEmptyModelChangesNoTab();
    void f5WithPassingInputShowsTheScript();
    void theFollowUpRunsInsideTheBuildCommand();
    void checkShowsNothingOnSuccessAndTidiesTheIdentifiers();
};

void BuildTest::theScriptWindowStartsWithItsPlaceholder() {
    EditorFixture editor;
    auto& script = editor.get<QPlainTextEdit>("Script");
    QCOMPARE(script.toPlainText(), QStringLiteral("Script"));
    QCOMPARE(editor.window(WindowId::Script).windowTitle(), QStringLiteral("Mission Script"));
    QCOMPARE(script.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(script.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(script.lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(script.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(script.palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(script.palette().color(QPalette::Base), QColor(Qt::white));
}

void BuildTest::f5WithTooFewCarsShowsTheCheckMessageOnTheCarsTab() {
    EditorFixture editor;
    addCar(editor.mission(), "ELEGY");
    editor.press(QKeySequence(Qt::Key_F5));

    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Quorvane"));
    QCOMPARE(shown.text,
             QStringLiteral("Для гонки необходима как минимум одна машина противника."));
    QCOMPARE(shown.icon, MessageIcon::Error);
    QCOMPARE(shown.buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 1);
    QVERIFY(!editor.window(WindowId::Script).isVisible());
    QCOMPARE(editor.get<QPlainTextEdit>("Script").toPlainText(), QStringLiteral("Script"));
}

void BuildTest::f5WithABadStartPointShowsTheBaseTab() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    editor.mainWindow().tabs().setCurrentIndex(3);
    editor.type("AStartX", "1,5");
    editor.press(QKeySequence(Qt::Key_F5));

    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Неверно заполнены стартовые координаты."));
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 0);
    QVERIFY(!editor.window(WindowId::Script).isVisible());
}

void BuildTest::f5WithABadModelSelectsAndExpandsThatCar() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    addCar(editor.mission(), "BAD-CAR");
    editor.press(QKeySequence(Qt::Key_F5));

    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Машина №3: В имя модели был введён недопустимый символ."));
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 1);
    auto& tree = editor.get<MissionTreeView>("CarTree");
    const qv::TreeNode* third = editor.mission().carTree().root()->child(2);
    QCOMPARE(tree.selectedNode(), third);
    QVERIFY(tree.isExpanded(tree.treeModel().indexOf(third)));
    QVERIFY(!tree.isExpanded(tree.treeModel().indexOf(third->child(1))));
    QVERIFY(tree.hasFocus());
    QVERIFY(editor.get("RepCarBtn").isEnabled());
    QVERIFY(!editor.window(WindowId::Script).isVisible());
}

void BuildTest::f5WithAnEmptyModelChangesNoTab() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    addCar(editor.mission(), "");
    editor.get<MissionTreeView>("CarTree").selectNode(nullptr);
    editor.mainWindow().tabs().setCurrentIndex(3);
    editor.press(QKeySequence(Qt::Key_F5));

    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Машина №3: Не допускается пустое имя модели."));
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 3);
    QCOMPARE(editor.get<MissionTreeView>("CarTree").selectedNode(), nullptr);
}

void BuildTest::f5WithPassingInputShowsTheScript() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    editor.press(QKeySequence(Qt::Key_F5));

    QVERIFY(editor.dialogs.messages().empty());
    QWidget& window = editor.window(WindowId::Script);
    QVERIFY(window.isVisible());
    QVERIFY(window.windowState().testFlag(Qt::WindowMaximized));
    const QString text = editor.get<QPlainTextEdit>("Script").toPlainText();
    QCOMPARE(text, expectedScript(editor.mission()));
    QVERIFY(text.contains(QStringLiteral("thread 'RACEMS1'")));
    QVERIFY(text.endsWith(QStringLiteral("mission_cleanup\nreturn\n")));

    // A second build replaces the text as a whole.
    addCar(editor.mission(), "BANSHEE");
    editor.action("BuildAction").trigger();
    QCOMPARE(editor.get<QPlainTextEdit>("Script").toPlainText(), expectedScript(editor.mission()));
}

void BuildTest::theFollowUpRunsInsideTheBuildCommand() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    std::vector<std::string> received;
    editor.app().setBuildFollowUp([&](const std::vector<std::string>& lines) {
        received = lines;
        throw qv::Error("Ошибка");
    });
    editor.action("BuildAction").trigger();

    QVERIFY(!received.empty());
    QCOMPARE(received.front(), std::string("//This script was created by 'Quorvane'"));
    QCOMPARE(editor.dialogs.lastMessage().text, QStringLiteral("Ошибка."));
    QCOMPARE(editor.dialogs.lastMessage().title, QStringLiteral("Quorvane"));
    // The script stays in its window.
    QCOMPARE(editor.get<QPlainTextEdit>("Script").toPlainText(), expectedScript(editor.mission()));
}

void BuildTest::checkShowsNothingOnSuccessAndTidiesTheIdentifiers() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    editor.type("AMissionPrefix", "Race Mission-1");
    editor.type("AStartXvar", "start (x)");
    editor.action("CheckAction").trigger();

    QVERIFY(editor.dialogs.messages().empty());
    QVERIFY(!editor.window(WindowId::Script).isVisible());
    QCOMPARE(editor.get<QLineEdit>("AMissionPrefix").text(), QStringLiteral("Race_Mission1"));
    QCOMPARE(editor.get<QLineEdit>("AStartXvar").text(), QStringLiteral("start_x"));
    QCOMPARE(editor.mission().parameters().AMissionPrefix, std::string("Race_Mission1"));
}

QTEST_MAIN(BuildTest)
#include "BuildTest.moc"
