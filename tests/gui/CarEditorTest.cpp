#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <numbers>

#include "DialogDriver.h"
#include "ui/common/Look.h"

using namespace qv::test;
using qv::ui::WindowId;

namespace {

constexpr WindowId Add = WindowId::AddCar;
constexpr WindowId Modify = WindowId::ModifyCar;

qv::CarEntry car(std::string model, std::vector<std::string> components = {}) {
    return {std::move(model), "1.0", "2.0", "3.0", "90.0", std::move(components)};
}

QStringList listed(const EditorFixture& editor, WindowId id) {
    QStringList entries;
    const auto& list = control<QListWidget>(editor, id, "Components");
    for (int i = 0; i < list.count(); ++i) {
        entries << list.item(i)->text();
    }
    return entries;
}

void addComponents(const EditorFixture& editor, WindowId id, const QStringList& models) {
    for (const QString& model : models) {
        typeInto(editor, id, "CModel", model);
        clickOn(editor, id, "Button1");
    }
}

void openModify(const EditorFixture& editor, int row) {
    editor.mainWindow().carTree().selectRow(row);
    editor.click("RepCarBtn");
}

}  // namespace

class CarEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void bothDialogsLookAsTheyShould();
    void addingCarsFillsTheTableAndTheTree();
    void coordinateFieldsAreTidiedWhenLeftAndCapturedFromTheGame();
    void changeOpensTheSelectedCarWithItsComponents();
    void theTuningPanelKeepsItsLimits();
    void aChangeDialogClosesWhenItsCarGoesAway();
    void aHundredAndFirstCarIsRefused();
};

void CarEditorTest::bothDialogsLookAsTheyShould() {
    EditorFixture editor;
    editor.click("AddCarBtn");
    for (const WindowId id : {Add, Modify}) {
        QWidget& dialog = editor.window(id);
        QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
        // Above the program's own windows, not above other programs.
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(dialog.parentWidget(), &editor.mainWindow());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.size(), QSize(217, dialog.height()));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        auto& panel = control<QGroupBox>(dialog, "GroupBox2");
        QVERIFY(!panel.isEnabled());
        QVERIFY(panel.geometry().left() >= dialog.width());
        QVERIFY(!control(dialog, "SpeedButton2").isHidden());
        // Flat, as the object dialog's "»" is.
        QVERIFY(control<QToolButton>(dialog, "SpeedButton2").autoRaise());
        QCOMPARE(control(dialog, "SpeedButton1").statusTip(),
                 QStringLiteral("Автоматическое определение координат игрока из игры"));
        for (const char* name : {"Edit2", "Edit3", "Edit4", "Edit5"}) {
            auto& field = control<QLineEdit>(dialog, name);
            QCOMPARE(field.text(), QStringLiteral("0.00"));
            QCOMPARE(field.palette().color(QPalette::Text), qv::ui::look::Maroon);
            QVERIFY(!field.font().bold());
        }
        for (const char* name : {"Edit1", "CModel", "Components"}) {
            QWidget& field = control(dialog, name);
            QVERIFY(field.font().bold());
            QCOMPARE(QFontInfo(field.font()).family(),
                     QFontInfo(qv::ui::look::monoFont()).family());
            QCOMPARE(field.palette().color(QPalette::Text), qv::ui::look::Maroon);
        }
    }
    QCOMPARE(editor.window(Add).windowTitle(), QStringLiteral("Добавить машину"));
    QCOMPARE(control<QPushButton>(editor, Add, "BitBtn1").text(), QStringLiteral("Добавить"));
    QCOMPARE(control<QPushButton>(editor, Modify, "BitBtn1").text(), QStringLiteral("Изменить"));
    QCOMPARE(control<QGroupBox>(editor, Modify, "GroupBox2").title(),
             QStringLiteral("Тюнинг транспорта*"));
    // Shown at the centre of the main window.
    const QPoint offset =
        editor.window(Add).frameGeometry().center() - editor.mainWindow().frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString::number(offset.manhattanLength())));
}

void CarEditorTest::addingCarsFillsTheTableAndTheTree() {
    EditorFixture editor;
    editor.click("AddCarBtn");
    QVERIFY(editor.window(Add).isVisible());
    typeInto(editor, Add, "Edit1", QStringLiteral("elegy"));
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit1").text(), QStringLiteral("ELEGY"));
    typeInto(editor, Add, "Edit2", QStringLiteral("2488.56"));
    typeInto(editor, Add, "Edit5", QStringLiteral("-90"));
    clickOn(editor, Add, "BitBtn1");
    QVERIFY(!editor.window(Add).isVisible());
    QCOMPARE(editor.mission().car(1),
             (qv::CarEntry{"ELEGY", "2488.56", "0.00", "0.00", "-90", {}}));
    QVERIFY(!editor.get<QSpinBox>("PlayerCarNumber").isEnabled());

    // The dialog keeps its fields: the next car starts from the previous one.
    editor.click("AddCarBtn");
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit1").text(), QStringLiteral("ELEGY"));
    typeInto(editor, Add, "Edit1", QString());
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(editor.mission().car(2).Model, std::string());
    QVERIFY(editor.get<QSpinBox>("PlayerCarNumber").isEnabled());
    QCOMPARE(editor.get<QSpinBox>("PlayerCarNumber").maximum(), 2);
    QCOMPARE(
        shownTree(editor, WindowId::Main, "CarTree"),
        QStringList({"Машины (2 всего)", "\tМашина 1", "\t\tМодель: #ELEGY",
                     "\t\tКоординаты старта", "\t\t\tX: 2488.56", "\t\t\tY: 0.00", "\t\t\tZ: 0.00",
                     "\t\t\tУгол: -90", "\tМашина 2", "\t\tМодель: #", "\t\tКоординаты старта",
                     "\t\t\tX: 2488.56", "\t\t\tY: 0.00", "\t\t\tZ: 0.00", "\t\t\tУгол: -90"}));
}

void CarEditorTest::coordinateFieldsAreTidiedWhenLeftAndCapturedFromTheGame() {
    EditorFixture editor;
    editor.click("AddCarBtn");
    const auto text = [&](const char* name) {
        return control<QLineEdit>(editor, Add, name).text();
    };
    typeInto(editor, Add, "Edit2", QStringLiteral("1,5"));
    typeInto(editor, Add, "Edit3", QStringLiteral("-12.5"));
    typeInto(editor, Add, "Edit4", QString());
    typeInto(editor, Add, "Edit5", QStringLiteral("abc"));
    QCOMPARE(QStringList({text("Edit2"), text("Edit3"), text("Edit4"), text("Edit5")}),
             QStringList({"0.00", "-12.5", "0.00", "0.00"}));

    editor.game.setRunning(false);
    clickOn(editor, Add, "SpeedButton1");
    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Невозможно определить координаты, так как игра не запущена!"));
    // The warning shows above the dialog it came from, not behind it.
    QCOMPARE(editor.dialogs.lastMessage().owner.data(), &editor.window(Add));
    QCOMPARE(text("Edit3"), QStringLiteral("-12.5"));

    editor.game.setRunning(true);
    editor.game.placePlayer(2488.5601f, -1666.84f, 13.38f, -std::numbers::pi_v<float> / 2);
    for (const WindowId id : {Add, Modify}) {
        clickOn(editor, id, "SpeedButton1");
        for (const auto& [name, value] : {std::pair{"Edit2", "2488.56"},
                                          {"Edit3", "-1666.84"},
                                          {"Edit4", "13.38"},
                                          {"Edit5", "270.00"}}) {
            QCOMPARE(control<QLineEdit>(editor, id, name).text(), QString::fromLatin1(value));
        }
    }
}

void CarEditorTest::changeOpensTheSelectedCarWithItsComponents() {
    EditorFixture editor;
    editor.mission().appendCar(car("ELEGY"));
    editor.mission().appendCar(car("INFERNUS"));
    editor.mission().appendCar({"SULTAN", "7", "8", "9", "10", {"#NTO_B_L", "#WHEEL_SR6"}});
    const QStringList before = shownTree(editor, WindowId::Main, "CarTree");

    // Only a car node opens the dialog.
    selectPath(editor.mainWindow().carTree(), {2, 0});
    QVERIFY(!editor.get("RepCarBtn").isEnabled());
    openModify(editor, 3);
    QVERIFY(editor.window(Modify).isVisible());
    QCOMPARE(editor.window(Modify).windowTitle(), QStringLiteral("Машина 3 - Редактирование"));
    QCOMPARE(control<QLineEdit>(editor, Modify, "Edit1").text(), QStringLiteral("SULTAN"));
    QCOMPARE(control<QLineEdit>(editor, Modify, "Edit5").text(), QStringLiteral("10"));
    QCOMPARE(listed(editor, Modify), QStringList({"#NTO_B_L", "#WHEEL_SR6"}));

    typeInto(editor, Modify, "Edit1", QStringLiteral("sultan2"));
    typeInto(editor, Modify, "Edit5", QStringLiteral("180.5"));
    clickOn(editor, Modify, "BitBtn1");
    QVERIFY(!editor.window(Modify).isVisible());
    QCOMPARE(editor.mission().car(3),
             (qv::CarEntry{"SULTAN2", "7", "8", "9", "180.5", {"#NTO_B_L", "#WHEEL_SR6"}}));
    QStringList expected = before;
    expected[16] = QStringLiteral("\t\tМодель: #SULTAN2");
    expected[21] = QStringLiteral("\t\t\tУгол: 180.5");
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree"), expected);

    // A car without components opened next empties the list.
    openModify(editor, 1);
    QCOMPARE(listed(editor, Modify), QStringList());
}

void CarEditorTest::theTuningPanelKeepsItsLimits() {
    EditorFixture editor;
    editor.click("AddCarBtn");
    auto& toggle = control<QToolButton>(editor, Add, "SpeedButton2");
    toggle.click();
    QCOMPARE(editor.window(Add).width(), 440);
    QVERIFY(control(editor, Add, "GroupBox2").isEnabled());

    clickOn(editor, Add, "Button1");  // an empty model
    QCOMPARE(editor.dialogs.beeps(), 1);
    QStringList models;
    for (int i = 1; i <= 11; ++i) {
        models << QStringLiteral("nto_%1").arg(i);
    }
    addComponents(editor, Add, models);
    QCOMPARE(editor.dialogs.beeps(), 2);  // the eleventh
    QCOMPARE(listed(editor, Add).size(), 10);
    QCOMPARE(listed(editor, Add).front(), QStringLiteral("#NTO_1"));

    // Several entries are removed at once.
    auto& list = control<QListWidget>(editor, Add, "Components");
    for (int row = 2; row < 10; ++row) {
        list.item(row)->setSelected(true);
    }
    clickOn(editor, Add, "Button2");
    QCOMPARE(listed(editor, Add), QStringList({"#NTO_1", "#NTO_2"}));
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree").mid(8),
             QStringList({"\t\tТюнинг-компоненты (2)", "\t\t\t1: #NTO_1", "\t\t\t2: #NTO_2"}));

    // The change dialog takes nine entries; an emptied list removes the components node.
    openModify(editor, 1);
    control<QToolButton>(editor, Modify, "SpeedButton2").click();
    addComponents(editor, Modify, models.mid(0, 8));
    QCOMPARE(editor.dialogs.beeps(), 3);
    QCOMPARE(listed(editor, Modify).size(), 9);
    control<QListWidget>(editor, Modify, "Components").selectAll();
    clickOn(editor, Modify, "Button2");
    clickOn(editor, Modify, "BitBtn1");
    QVERIFY(editor.mission().car(1).Components.empty());
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree").size(), 8);

    toggle.click();
    QCOMPARE(editor.window(Add).width(), 217);
    QVERIFY(!control(editor, Add, "GroupBox2").isEnabled());
}

void CarEditorTest::aChangeDialogClosesWhenItsCarGoesAway() {
    EditorFixture editor;
    editor.mission().appendCar(car("ELEGY"));
    editor.mission().appendCar(car("INFERNUS"));
    editor.mission().appendCar(car("SULTAN"));

    openModify(editor, 1);
    editor.click("DelCarBtn");  // another car
    QVERIFY(editor.window(Modify).isVisible());
    openModify(editor, 2);
    editor.click("DelCarBtn");
    QVERIFY(!editor.window(Modify).isVisible());
    QCOMPARE(editor.mission().carCount(), 1);
    QCOMPARE(editor.mission().car(1).Model, std::string("ELEGY"));
}

void CarEditorTest::aHundredAndFirstCarIsRefused() {
    EditorFixture editor;
    for (int i = 0; i < qv::Mission::MaxRows; ++i) {
        editor.mission().appendCar(car("ELEGY"));
    }
    const QStringList before = shownTree(editor, WindowId::Main, "CarTree");
    editor.click("AddCarBtn");
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Нельзя добавить больше 100 машин."));
    QCOMPARE(editor.mission().carCount(), 100);
    QCOMPARE(shownTree(editor, WindowId::Main, "CarTree"), before);
    QVERIFY(editor.window(Add).isVisible());
}

QTEST_MAIN(CarEditorTest)
#include "CarEditorTest.moc"
