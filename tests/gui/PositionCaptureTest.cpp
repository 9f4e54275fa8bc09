#include <QLineEdit>
#include <QTest>

#include "EditorFixture.h"
#include "gamelink/GameMemoryLayout.h"

using qv::test::EditorFixture;
using namespace qv::ui;

namespace {

QStringList startPoint(const EditorFixture& editor) {
    return {editor.get<QLineEdit>("AStartX").text(), editor.get<QLineEdit>("AStartY").text(),
            editor.get<QLineEdit>("AStartZ").text()};
}

// The start point as the user typed it, before a capture that must not change it.
void typeStartPoint(EditorFixture& editor) {
    editor.type("AStartX", "1.5");
    editor.type("AStartY", "2.5");
    editor.type("AStartZ", "3.5");
}

void expectWarning(const EditorFixture& editor, const char* text) {
    QCOMPARE(editor.dialogs.messages().size(), std::size_t{1});
    const auto& warning = editor.dialogs.lastMessage();
    QCOMPARE(warning.title, QStringLiteral("Quorvane"));
    QCOMPARE(warning.text, QString::fromUtf8(text));
    QCOMPARE(warning.icon, MessageIcon::Warning);
    QCOMPARE(warning.buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(warning.owner.data(), &editor.mainWindow());
}

}  // namespace

class PositionCaptureTest : public QObject {
    Q_OBJECT

  private slots:
    void theStartPointIsTakenFromTheGame();
    void withoutTheGameTheStartPointStaysAndAWarningSaysWhy();
    void withoutThePlayerInMemoryTheStartPointStaysAndAWarningSaysWhy();
};

void PositionCaptureTest::theStartPointIsTakenFromTheGame() {
    EditorFixture editor;
    editor.showMainWindow();
    editor.game.placePlayer(2488.5601f, -1666.84f, 13.38f, 1.0f);
    editor.click("GetCoordBtn1");
    QCOMPARE(startPoint(editor), QStringList({"2488.56", "-1666.84", "13.38"}));
    QCOMPARE(editor.mission().parameters().AStartX, std::string("2488.56"));
    QCOMPARE(editor.mission().parameters().AStartZ, std::string("13.38"));
    QVERIFY(editor.dialogs.messages().empty());

    // Every press reads the game anew.
    editor.game.placePlayer(-100.0f, 200.25f, -3.0f, 1.0f);
    editor.click("GetCoordBtn1");
    QCOMPARE(startPoint(editor), QStringList({"-100.00", "200.25", "-3.00"}));
}

void PositionCaptureTest::withoutTheGameTheStartPointStaysAndAWarningSaysWhy() {
    EditorFixture editor;
    editor.showMainWindow();
    typeStartPoint(editor);
    editor.game.placePlayer(2488.5601f, -1666.84f, 13.38f, 1.0f);
    editor.game.setRunning(false);
    editor.click("GetCoordBtn1");
    expectWarning(editor, "Невозможно определить координаты, так как игра не запущена!");
    QCOMPARE(startPoint(editor), QStringList({"1.5", "2.5", "3.5"}));
    QCOMPARE(editor.mission().parameters().AStartX, std::string("1.5"));
}

void PositionCaptureTest::withoutThePlayerInMemoryTheStartPointStaysAndAWarningSaysWhy() {
    EditorFixture editor;
    editor.showMainWindow();
    typeStartPoint(editor);
    editor.game.writeUInt32(qv::game_memory::PlayerPointer, 0);
    editor.game.writeUInt32(qv::game_memory::FallbackPointer, 0);
    editor.click("GetCoordBtn1");
    expectWarning(editor, "Невозможно определить координаты (ошибка поиска в памяти).");
    QCOMPARE(startPoint(editor), QStringList({"1.5", "2.5", "3.5"}));
}

QTEST_MAIN(PositionCaptureTest)
#include "PositionCaptureTest.moc"
