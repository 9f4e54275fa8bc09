#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QSpinBox>

#include "DialogDriver.h"
#include "VisibleTexts.h"
#include "ui/common/Look.h"
#include "ui/common/RowEditor.h"
#include "ui/main/Startup.h"

using namespace qv::test;
using qv::ui::WindowId;

namespace {

constexpr WindowId Add = WindowId::AddCheckp;
constexpr WindowId Modify = WindowId::ModifyCheckp;

QStringList items(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.itemText(i);
    }
    return texts;
}

void typeSpeed(const EditorFixture& editor, WindowId id, const QString& text) {
    auto& field = control<QSpinBox>(editor, id, "SpinEdit1");
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

int slider(const EditorFixture& editor, WindowId id) {
    return control<QSlider>(editor, id, "TrackBar1").value();
}

void openModify(const EditorFixture& editor, int row) {
    editor.mainWindow().checkpointTree().selectRow(row);
    editor.click("RepCheckpBtn");
}

}  // namespace

class CheckpointEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void bothDialogsLookAsTheyShould();
    void theSpeedSliderAndNumberStayInStep();
    void addingWithTheDefaultsAndCapturingThePosition();
    void changeRewritesOnlyTheSelectedCheckpoint();
    void aChangeDialogClosesWhenItsCheckpointGoesAway();
    void aHundredAndFirstCheckpointIsRefused();
    void theDialogAnswersTheKeyboard();
    void inEnglishTheProjectKeepsTheRussianDriveType();
};

void CheckpointEditorTest::bothDialogsLookAsTheyShould() {
    EditorFixture editor;
    for (const WindowId id : {Add, Modify}) {
        QWidget& dialog = editor.window(id);
        QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
        // Above the program's own windows, not above other programs.
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(dialog.parentWidget(), &editor.mainWindow());
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const auto& slider = control<QSlider>(dialog, "TrackBar1");
        const auto& number = control<QSpinBox>(dialog, "SpinEdit1");
        QCOMPARE(QList<int>({slider.minimum(), slider.maximum(), slider.value()}),
                 QList<int>({1, 100, 1}));
        QCOMPARE(QList<int>({number.minimum(), number.maximum(), number.value()}),
                 QList<int>({1, 100, 1}));
        const auto& driveType = control<QComboBox>(dialog, "ComboBox1");
        QCOMPARE(driveType.currentIndex(), 0);
        QVERIFY(!driveType.isEditable());
        QCOMPARE(driveType.font().family(), QStringLiteral("Arial"));
        for (const char* name : {"Edit2", "Edit3", "Edit4"}) {
            QCOMPARE(control<QLineEdit>(dialog, name).text(), QStringLiteral("0.00"));
            QCOMPARE(control(dialog, name).palette().color(QPalette::Text), qv::ui::look::Maroon);
        }
        QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("Edit5")) == nullptr);
    }
    QCOMPARE(editor.window(Add).windowTitle(), QStringLiteral("Добавить чекпоинт"));
    QCOMPARE(items(control<QComboBox>(editor, Add, "ComboBox1")),
             QStringList({"Гоночный ", "По обычным транспортным путям", "Напрямик"}));
    QCOMPARE(items(control<QComboBox>(editor, Modify, "ComboBox1")),
             QStringList({"Гоночный", "По обычным путям", "Напрямик"}));
    QCOMPARE(control<QPushButton>(editor, Modify, "BitBtn1").text(), QStringLiteral("Изменить"));
}

void CheckpointEditorTest::theSpeedSliderAndNumberStayInStep() {
    EditorFixture editor;
    editor.click("AddCheckpBtn");
    control<QSlider>(editor, Add, "TrackBar1").setValue(37);
    QCOMPARE(control<QSpinBox>(editor, Add, "SpinEdit1").value(), 37);

    // The slider follows what is typed at once; the field shows the number when it is left.
    typeSpeed(editor, Add, QStringLiteral("250"));
    QCOMPARE(slider(editor, Add), 100);
    leave(control(editor, Add, "SpinEdit1"));
    QCOMPARE(control<QSpinBox>(editor, Add, "SpinEdit1").text(), QStringLiteral("100"));
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(editor.mission().checkpoint(1).Speed, 100);

    editor.click("AddCheckpBtn");
    typeSpeed(editor, Add, QStringLiteral("4x"));
    QCOMPARE(slider(editor, Add), 1);
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(editor.mission().checkpoint(2).Speed, 1);
    leave(control(editor, Add, "SpinEdit1"));
    QCOMPARE(control<QSpinBox>(editor, Add, "SpinEdit1").text(), QStringLiteral("1"));

    typeSpeed(editor, Add, QStringLiteral("42"));
    QCOMPARE(slider(editor, Add), 42);
}

void CheckpointEditorTest::addingWithTheDefaultsAndCapturingThePosition() {
    EditorFixture editor;
    editor.click("AddCheckpBtn");
    clickOn(editor, Add, "BitBtn1");
    QVERIFY(!editor.window(Add).isVisible());
    QCOMPARE(editor.mission().checkpoint(1), (qv::CheckpointEntry{"0.00", "0.00", "0.00", 1, "3"}));

    editor.click("AddCheckpBtn");
    editor.game.placePlayer(-1000.25f, 20.5f, 3.0f, 1.0f);
    clickOn(editor, Add, "SpeedButton1");
    control<QComboBox>(editor, Add, "ComboBox1").setCurrentIndex(1);
    control<QSlider>(editor, Add, "TrackBar1").setValue(40);
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(editor.mission().checkpoint(2),
             (qv::CheckpointEntry{"-1000.25", "20.50", "3.00", 40, "1"}));
    QCOMPARE(shownTree(editor, WindowId::Main, "CheckpTree"),
             QStringList({"Чекпоинты (2 всего)", "\tЧекпоинт 1", "\t\tСкорость: 1.0",
                          "\t\tТип езды: Гоночный ", "\t\tКоординаты", "\t\t\tX: 0.00",
                          "\t\t\tY: 0.00", "\t\t\tZ: 0.00", "\tЧекпоинт 2", "\t\tСкорость: 40.0",
                          "\t\tТип езды: По обычным транспортным путям", "\t\tКоординаты",
                          "\t\t\tX: -1000.25", "\t\t\tY: 20.50", "\t\t\tZ: 3.00"}));
}

void CheckpointEditorTest::changeRewritesOnlyTheSelectedCheckpoint() {
    EditorFixture editor;
    qv::Mission& mission = editor.mission();
    mission.appendCheckpoint({"1", "1", "1", 10, "2"}, "Напрямик");
    mission.appendCheckpoint({"2", "2", "2", 20, "2"}, "Напрямик");
    mission.appendCheckpoint({"3", "3", "3", 30, "-1"}, "");
    const QStringList before = shownTree(editor, WindowId::Main, "CheckpTree");

    openModify(editor, 2);
    QCOMPARE(editor.window(Modify).windowTitle(), QStringLiteral("Чекпоинт 2 - Редактирование"));
    QCOMPARE(control<QLineEdit>(editor, Modify, "Edit3").text(), QStringLiteral("2"));
    QCOMPARE(control<QSpinBox>(editor, Modify, "SpinEdit1").value(), 20);
    QCOMPARE(slider(editor, Modify), 20);
    QCOMPARE(control<QComboBox>(editor, Modify, "ComboBox1").currentIndex(), 2);
    control<QComboBox>(editor, Modify, "ComboBox1").setCurrentIndex(0);
    typeInto(editor, Modify, "Edit4", QStringLiteral("5.5"));
    clickOn(editor, Modify, "BitBtn1");
    QCOMPARE(mission.checkpoint(2), (qv::CheckpointEntry{"2", "2", "5.5", 20, "3"}));
    QStringList expected = before;
    expected[10] = QStringLiteral("\t\tТип езды: Гоночный");  // the change dialog's caption
    expected[14] = QStringLiteral("\t\t\tZ: 5.5");
    QCOMPARE(shownTree(editor, WindowId::Main, "CheckpTree"), expected);

    // A row without a drive type keeps the list as the dialog last showed it.
    openModify(editor, 3);
    QCOMPARE(control<QComboBox>(editor, Modify, "ComboBox1").currentIndex(), 0);
    clickOn(editor, Modify, "BitBtn1");
    QCOMPARE(mission.checkpoint(3).Type, std::string("3"));
}

void CheckpointEditorTest::aChangeDialogClosesWhenItsCheckpointGoesAway() {
    EditorFixture editor;
    editor.mission().appendCheckpoint({}, "Гоночный ");
    editor.mission().appendCheckpoint({}, "Гоночный ");
    openModify(editor, 2);
    editor.click("DelCheckpBtn");
    QVERIFY(!editor.window(Modify).isVisible());
    QCOMPARE(editor.mission().checkpointCount(), 1);
}

void CheckpointEditorTest::aHundredAndFirstCheckpointIsRefused() {
    EditorFixture editor;
    for (int i = 0; i < qv::Mission::MaxRows; ++i) {
        editor.mission().appendCheckpoint({}, "Гоночный ");
    }
    editor.click("AddCheckpBtn");
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Нельзя добавить больше 100 чекпоинтов."));
    QCOMPARE(editor.mission().checkpointCount(), 100);
    QCOMPARE(shownTree(editor, WindowId::Main, "CheckpTree").front(),
             QStringLiteral("Чекпоинты (100 всего)"));
}

void CheckpointEditorTest::theDialogAnswersTheKeyboard() {
    EditorFixture editor;
    editor.showMainWindow();
    editor.click("AddCheckpBtn");
    QWidget& dialog = editor.window(Add);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // The cursor waits in a field, not on the button.
    QWidget* focused = dialog.focusWidget();
    QVERIFY(focused != nullptr);
    QVERIFY(qobject_cast<QAbstractSpinBox*>(focused) != nullptr ||
            qobject_cast<QLineEdit*>(focused) != nullptr);

    typeInto(editor, Add, "Edit2", QStringLiteral("15.5"));
    QTest::keyClick(&control<QLineEdit>(editor, Add, "Edit2"), Qt::Key_Return);
    QCOMPARE(editor.mission().checkpointCount(), 1);
    QCOMPARE(std::stod(editor.mission().checkpoint(1).X), 15.5);
    QVERIFY(!dialog.isVisible());

    editor.click("AddCheckpBtn");
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(editor.mission().checkpointCount(), 1);
}

void CheckpointEditorTest::inEnglishTheProjectKeepsTheRussianDriveType() {
    EditorFixture editor;
    editor.mission().appendCheckpoint({}, "Гоночный ");
    // Dialogs made while the program speaks English.
    QVERIFY(qv::ui::installTranslations(*qApp, qv::Language::English));
    const auto russian =
        qScopeGuard([] { qv::ui::installTranslations(*qApp, qv::Language::Russian); });
    const std::unique_ptr<QWidget> add(qv::ui::createAddCheckpWindow(editor.app()));
    const std::unique_ptr<QWidget> modify(qv::ui::createModifyCheckpWindow(editor.app()));

    auto& list = control<QComboBox>(*add, "ComboBox1");
    QCOMPARE(list.count(), 3);
    QVERIFY(!qv::test::hasCyrillic(items(list).join(QString())));
    list.setCurrentIndex(1);
    clickOn(control(*add, "BitBtn1"));
    QCOMPARE(editor.mission().checkpointCount(), 2);
    // The tree, which the project's files keep, holds the text the Russian dialog would.
    const qv::TreeNode* row = editor.mission().tree(qv::MissionPart::Checkpoints).root()->child(1);
    QCOMPARE(row->child(1)->text(), std::string("Тип езды: По обычным транспортным путям"));

    dynamic_cast<qv::ui::RowEditor&>(*modify).openRow(2);
    QCOMPARE(control<QComboBox>(*modify, "ComboBox1").currentIndex(), 1);
    QVERIFY(!qv::test::hasCyrillic(modify->windowTitle()));
    QVERIFY(modify->windowTitle().contains(QLatin1Char('2')));
    clickOn(control(*modify, "BitBtn1"));
    QCOMPARE(row->child(1)->text(), std::string("Тип езды: По обычным путям"));
}

QTEST_MAIN(CheckpointEditorTest)
#include "CheckpointEditorTest.moc"
