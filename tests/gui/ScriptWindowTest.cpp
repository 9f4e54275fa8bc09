#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>

#include "EditorFixture.h"
#include "generator/ScriptGenerator.h"
#include "generator/ScriptWarnings.h"
#include "model/ProjectFile.h"
#include "ui/common/MissionTreeView.h"
#include "ui/script/ScriptFindBar.h"
#include "ui/script/ScriptHighlighter.h"
#include "ui/script/ScriptWindow.h"

using qv::test::EditorFixture;
using namespace qv::ui;

namespace {

void fillBuildable(qv::Mission& mission) {
    mission.appendCar({"ELEGY", "1.0", "2.0", "3.0", "0.0", {}});
    mission.appendCar({"INFERNUS", "1.0", "2.0", "3.0", "0.0", {}});
    mission.appendCheckpoint({"10.0", "20.0", "30.0", 50, "3"}, "Гоночный ");
}

// The colour the script field shows at `position` of line `line`, and the extent of the
// coloured stretch; an invalid colour when the text there is not coloured.
struct Coloured {
    QColor colour;
    int start = -1;
    int length = 0;
};

Coloured colouredAt(const QPlainTextEdit& script, int line, int position) {
    const QTextBlock block = script.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (range.start <= position && position < range.start + range.length) {
            return {range.format.foreground().color(), range.start, range.length};
        }
    }
    return {};
}

}  // namespace

class ScriptWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void eachKindOfTokenHasItsColour();
    void savingWritesWhatTheCommandLineToolWrites();
    void copyAllPutsTheWholeScriptOnTheClipboard();
    void findMarksEveryMatchAndGoToLineMovesTheCursor();
    void findInALongScriptMarksWhatIsInViewAndFollowsTheView();
    void aDoubleClickOnAWarningShowsItsRow();
    void theCarModelFieldSuggestsTheGamesVehicles();
};

void ScriptWindowTest::eachKindOfTokenHasItsColour() {
    EditorFixture editor;
    auto& window = static_cast<ScriptWindow&>(editor.window(WindowId::Script));
    const struct {
        QString line;
        QString token;  // coloured as a whole
        ScriptToken kind;
    } cases[] = {
        {QStringLiteral("// the race begins"), QStringLiteral("// the race begins"),
         ScriptToken::Comment},
        {QStringLiteral(":Race_12"), QStringLiteral(":Race_12"), ScriptToken::Label},
        {QStringLiteral("jf @Race_12"), QStringLiteral("@Race_12"), ScriptToken::Jump},
        {QStringLiteral("jf @Race_12"), QStringLiteral("jf"), ScriptToken::Keyword},
        {QStringLiteral("0A8C: enable_train_traffic 0"), QStringLiteral("0A8C:"),
         ScriptToken::Opcode},
        {QStringLiteral(" Continue"), QStringLiteral("Continue"), ScriptToken::Keyword},
        {QStringLiteral("end_thread"), QStringLiteral("end_thread"), ScriptToken::Keyword},
        {QStringLiteral("00BA: text_styled 'RACES18' 3000 ms 1"), QStringLiteral("'RACES18'"),
         ScriptToken::String},
        {QStringLiteral("0662: say \"a // b\" 1"), QStringLiteral("\"a // b\""),
         ScriptToken::String},
        {QStringLiteral("wait 1000 ms"), QStringLiteral("1000"), ScriptToken::Number},
        {QStringLiteral("$car[$par] = -1.5 // x"), QStringLiteral("-1.5"), ScriptToken::Number},
        {QStringLiteral("$car[$par] = -1.5 // x"), QStringLiteral("$car"), ScriptToken::Global},
        {QStringLiteral("$11192 = 0"), QStringLiteral("$11192"), ScriptToken::Global},
        {QStringLiteral("452@ /= 60"), QStringLiteral("452@"), ScriptToken::Local},
        {QStringLiteral("Marker.Disable($chekp)"), QStringLiteral("Marker.Disable"),
         ScriptToken::ClassMember},
        {QStringLiteral("$model[$a1] = #INFERNUS"), QStringLiteral("#INFERNUS"),
         ScriptToken::Model},
    };
    std::vector<std::string> lines;
    for (const auto& c : cases) {
        lines.push_back(c.line.toStdString());
    }
    lines.push_back("036A: put_actor $PLAYER_ACTOR in_vehicle $car[$ak]");
    window.showScript(lines);

    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const auto& c = cases[i];
        const int at = static_cast<int>(c.line.indexOf(c.token));
        const Coloured shown = colouredAt(window.script(), i, at);
        QVERIFY2(shown.colour == window.highlighter().format(c.kind).foreground().color(),
                 qPrintable(c.token));
        QCOMPARE(shown.start, at);
        QCOMPARE(shown.length, c.token.size());
    }
    // Opcode names and words that only contain a keyword stay black.
    const int last = static_cast<int>(std::size(cases));
    QVERIFY(!colouredAt(window.script(), last, 7).colour.isValid());   // put_actor
    QVERIFY(!colouredAt(window.script(), last, 31).colour.isValid());  // in_vehicle
}

void ScriptWindowTest::savingWritesWhatTheCommandLineToolWrites() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    editor.mission().appendObject({"BARREL4", "1.0", "2.0", "3.0", "45.0"});
    editor.press(QKeySequence(Qt::Key_F5));
    // A change typed into the text is the user's own: the file is the script as built.
    auto& window = static_cast<ScriptWindow&>(editor.window(WindowId::Script));
    window.script().moveCursor(QTextCursor::Start);
    window.script().insertPlainText(QStringLiteral("правка\n"));
    editor.dialogs.answerSaveFile(QStringLiteral("/races/Гонка.txt"));
    editor.click(QStringLiteral("SaveScriptBtn"));
    QCOMPARE(editor.dialogs.saveRequests().back().defaultSuffix, QStringLiteral("txt"));
    std::string saved;
    QVERIFY(editor.files.readFile("/races/Гонка.txt", saved, qv::AnySize));
    // A name is offered, and the window says where the script went.
    QVERIFY(editor.dialogs.saveRequests().back().name.endsWith(QStringLiteral(".txt")));
    QVERIFY(editor.get<QLabel>(QStringLiteral("SavedScriptNote"))
                .text()
                .contains(QDir::toNativeSeparators(QStringLiteral("/races/Гонка.txt"))));

    const QString folder = QDir::tempPath() + QStringLiteral("/quorvane-script-window-") +
                           QString::number(QCoreApplication::applicationPid());
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    const std::string project = (folder + QStringLiteral("/race.qvnx")).toStdString();
    qv::saveProject(editor.mission(), project, qv::systemFileSystem());
    const QString out = folder + QStringLiteral("/race.txt");
    QProcess cli;
    cli.start(QStringLiteral(QV_CLI),
              {QStringLiteral("build"), QString::fromStdString(project), QStringLiteral("-o"), out,
               QStringLiteral("--timestamp"),
               QString::fromStdString(qv::timestampText(EditorFixture::fixedTime()))});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray expected = written.readAll();
    QDir(folder).removeRecursively();
    QVERIFY(expected.contains("\r\n"));
    QCOMPARE(QByteArray::fromStdString(saved), expected);
}

void ScriptWindowTest::copyAllPutsTheWholeScriptOnTheClipboard() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    editor.press(QKeySequence(Qt::Key_F5));
    auto& script = editor.get<QPlainTextEdit>(QStringLiteral("Script"));
    QApplication::clipboard()->clear();
    editor.click(QStringLiteral("CopyAllBtn"));
    QCOMPARE(QApplication::clipboard()->text(), script.toPlainText());
    QVERIFY(script.toPlainText().size() > 1000);
    // The Sanny Builder mode to paste it in is told beside the script, never inside it.
    const auto& mode = editor.get<QLabel>(QStringLiteral("CompilerMode"));
    QVERIFY(mode.isVisibleTo(&editor.window(WindowId::Script)));
    QVERIFY(mode.text().contains(QStringLiteral("GTA SA (v1.0 - SA)")));
    QVERIFY(!script.toPlainText().contains(QStringLiteral("v1.0 - SA")));
}

void ScriptWindowTest::findMarksEveryMatchAndGoToLineMovesTheCursor() {
    EditorFixture editor;
    auto& window = static_cast<ScriptWindow&>(editor.window(WindowId::Script));
    window.showScript({"wait 0 ms", "Wait 10 ms", "end", "wait 20 ms", "return"});
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QPlainTextEdit& script = window.script();

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto& field = editor.get<QLineEdit>(QStringLiteral("FindText"));
    QVERIFY(field.isVisible());
    QTest::keyClicks(&field, QStringLiteral("wait"));
    QCOMPARE(window.findBar().matchCount(), 3);
    QCOMPARE(script.extraSelections().size(), 3);
    QCOMPARE(script.textCursor().blockNumber(), 0);
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(script.textCursor().blockNumber(), 1);
    QCOMPARE(script.textCursor().selectedText(), QStringLiteral("Wait"));
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Return);  // round to the first again
    QCOMPARE(script.textCursor().blockNumber(), 0);
    QTest::keyClick(&field, Qt::Key_Return, Qt::ShiftModifier);  // and back to the last
    QCOMPARE(script.textCursor().blockNumber(), 3);
    QTest::keyClick(&field, Qt::Key_Escape);
    QVERIFY(!field.isVisible());
    QVERIFY(script.extraSelections().isEmpty());

    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    auto& line = editor.get<QLineEdit>(QStringLiteral("GoToLineText"));
    QVERIFY(line.isVisible());
    line.selectAll();
    QTest::keyClicks(&line, QStringLiteral("3"));
    QTest::keyClick(&line, Qt::Key_Return);
    QCOMPARE(script.textCursor().blockNumber(), 2);
    QCOMPARE(script.textCursor().selectedText(), script.document()->findBlockByNumber(2).text());
    QVERIFY(!line.isVisible());
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    line.selectAll();
    QTest::keyClicks(&line, QStringLiteral("999"));
    QTest::keyClick(&line, Qt::Key_Return);
    QCOMPARE(script.textCursor().blockNumber(), script.blockCount() - 1);
}

void ScriptWindowTest::findInALongScriptMarksWhatIsInViewAndFollowsTheView() {
    EditorFixture editor;
    auto& window = static_cast<ScriptWindow&>(editor.window(WindowId::Script));
    std::vector<std::string> lines;
    for (int i = 0; i < 3000; ++i) {
        lines.push_back(i % 3 == 0 ? "WAIT 0 ms // wait" : "0001: end_thread");
    }
    window.showScript(lines);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QPlainTextEdit& script = window.script();
    // The lines each mark stands on, which must all be in view.
    const auto markedLines = [&] {
        const int top = script.cursorForPosition({0, 0}).blockNumber();
        const int bottom =
            script.cursorForPosition(script.viewport()->rect().bottomRight()).blockNumber();
        QList<int> marked;
        for (const QTextEdit::ExtraSelection& mark : script.extraSelections()) {
            const int line = mark.cursor.blockNumber();
            if (line < top || line > bottom || mark.cursor.selectedText().toLower() != "wait") {
                return QList<int>{-1};
            }
            marked << line;
        }
        return marked;
    };

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    auto& field = editor.get<QLineEdit>(QStringLiteral("FindText"));
    QTest::keyClicks(&field, QStringLiteral("wait"));
    QCOMPARE(window.findBar().matchCount(), 2000);
    QVERIFY(!markedLines().isEmpty());
    QVERIFY(!markedLines().contains(-1));
    QVERIFY(markedLines().size() < 200);

    // Shift+Enter goes round to the last match; the marks move along with the view.
    QTest::keyClick(&field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(script.textCursor().blockNumber(), 2997);
    QCOMPARE(script.textCursor().selectionStart() - script.textCursor().block().position(), 13);
    QVERIFY(markedLines().contains(2997));
    QVERIFY(!markedLines().contains(-1));
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(script.textCursor().blockNumber(), 0);
    QVERIFY(markedLines().contains(0));
}

void ScriptWindowTest::aDoubleClickOnAWarningShowsItsRow() {
    EditorFixture editor;
    fillBuildable(editor.mission());
    editor.showMainWindow();
    auto& panel = editor.get<QGroupBox>(QStringLiteral("WarningsPanel"));
    auto& list = editor.get<QTableWidget>(QStringLiteral("WarningList"));
    auto& script = editor.get<QPlainTextEdit>(QStringLiteral("Script"));
    // Without warnings only the heading is left, and the script has the room.
    auto& splitter = editor.get<QSplitter>(QStringLiteral("ScriptSplitter"));
    const auto onlyTheHeading = [&] {
        return panel.isVisible() && !list.isVisible() &&
               panel.height() < 3 * panel.fontMetrics().height() &&
               script.height() + splitter.handleWidth() + panel.height() == splitter.height();
    };
    editor.press(QKeySequence(Qt::Key_F5));
    QVERIFY(onlyTheHeading());
    QVERIFY(script.height() > 5 * panel.height());

    editor.mission().appendCar({"TRAM", "1.0", "2.0", "3.0", "0.0", {}});
    editor.mission().appendObject({"1225", "1.0", "2.0", "3.0", "0.0"});
    editor.press(QKeySequence(Qt::Key_F5));
    QVERIFY(panel.isVisible());
    QVERIFY(list.isVisible());
    QCOMPARE(panel.title(), QStringLiteral("Предупреждения (2)"));
    QCOMPARE(list.rowCount(), 2);
    QCOMPARE(list.item(0, 0)->text(), QStringLiteral("Машина №3"));
    QCOMPARE(list.item(1, 0)->text(), QStringLiteral("Объект №1"));
    QVERIFY(list.visualItemRect(list.item(1, 1)).bottom() < list.viewport()->height());

    const auto doubleClick = [&list](int row) {
        const QRect rect = list.visualItemRect(list.item(row, 1));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    };
    doubleClick(0);
    QCOMPARE(editor.mainWindow().tabs().currentIndex(), 1);
    QCOMPARE(editor.mainWindow().carTree().selectedRow(), 3);
    QVERIFY(QTest::qWaitForWindowActive(&editor.mainWindow()));

    doubleClick(1);
    QWidget& objects = editor.window(WindowId::Objects);
    QVERIFY(objects.isVisible());
    QCOMPARE(editor.get<MissionTreeView>(QStringLiteral("ObjectTree")).selectedRow(), 1);
}

void ScriptWindowTest::theCarModelFieldSuggestsTheGamesVehicles() {
    EditorFixture editor;
    auto& field = editor.get<QLineEdit>(QStringLiteral("Edit1"));
    QCompleter* completer = field.completer();
    QVERIFY(completer != nullptr);
    completer->setCompletionPrefix(QStringLiteral("411"));
    QCOMPARE(completer->completionCount(), 1);
    QCOMPARE(completer->pathFromIndex(completer->currentIndex()), QStringLiteral("INFERNUS"));
    QVERIFY(completer->currentIndex().data().toString().contains(QStringLiteral("автомобиль")));
    completer->setCompletionPrefix(QStringLiteral("streak"));
    QCOMPARE(completer->completionCount(), 2);  // STREAK and its carriage STREAKC
    QVERIFY(completer->currentIndex().data().toString().contains(QStringLiteral("поезд")));
    // Any text is still taken.
    editor.type(QStringLiteral("Edit1"), QStringLiteral("MYCAR"));
    QCOMPARE(field.text(), QStringLiteral("MYCAR"));
}

QTEST_MAIN(ScriptWindowTest)
#include "ScriptWindowTest.moc"
