#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "EditorFixture.h"
#include "TreeCopies.h"
#include "ui/common/Look.h"
#include "ui/common/MissionTreeView.h"

using qv::test::EditorFixture;
using namespace qv::ui;

namespace {

qv::CarEntry car(std::string model) {
    return {std::move(model), "1.0", "2.0", "3.0", "90.0", {}};
}

void addCars(qv::Mission& mission, int count) {
    for (int i = 0; i < count; ++i) {
        mission.appendCar(car("ELEGY"));
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheFourTabsWithTheirControlsAsTheyStart();
    void showsHintsInTheStatusBarAndNeverAsTips();
    void editingTheControlsChangesTheMission();
    void theMissionNameTakesSevenCharactersHoweverTheyCome();
    void changesOfTheMissionAreShownInTheControls();
    void aLoadedValueIsHeldAsItsControlHoldsIt();
    void clickingIntoAStartFieldTidiesItsNumber();
    void tabRunsThroughTheStartNumbersBeforeTheirNames();
    void aNewMissionsTreeRootsAreShownWhole();
    void theRaceTypeShowsAndHidesTheLaps();
    void theTimeToggleEnablesTheTimeFields();
    void removingCarsBoundsThePlayersCarNumber();
    void changeIsEnabledOnlyWhileARowNodeIsSelected();
    void removingTheLastCheckpointUpdatesTheTree();
};

void MainWindowTest::showsTheFourTabsWithTheirControlsAsTheyStart() {
    EditorFixture editor;
    auto& tabs = editor.mainWindow().tabs();
    const QStringList captions = {"Базовые параметры миссии", "Параметры машин", "Чекпоинты",
                                  "Прочие параметры"};
    const QStringList names = {"BaseParameters", "CarsParameters", "CheckpsParameters",
                               "OtherParameters"};
    QCOMPARE(tabs.count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs.tabText(i), captions[i]);
        QCOMPARE(tabs.widget(i)->objectName(), names[i]);
        QVERIFY(!tabs.tabIcon(i).isNull());
    }

    const auto& startX = editor.get<QLineEdit>("AStartX");
    QCOMPARE(startX.text(), QStringLiteral("0.00"));
    QCOMPARE(QFontInfo(startX.font()).family(), QFontInfo(look::monoFont()).family());
    QCOMPARE(startX.palette().color(QPalette::Text), look::Maroon);
    QCOMPARE(editor.get<QLineEdit>("AStartZvar").text(), QStringLiteral("RaceMis1StartZ"));
    QCOMPARE(editor.get<QLineEdit>("AStartZvar").palette().color(QPalette::Text), look::Blue);
    const auto& prefix = editor.get<QLineEdit>("AMissionPrefix");
    QCOMPARE(prefix.text(), QStringLiteral("RaceMission1"));
    QVERIFY(prefix.font().bold());
    QCOMPARE(prefix.palette().color(QPalette::Text), look::Green);
    QCOMPARE(editor.get<QLineEdit>("AMissionName").text(), QStringLiteral("RACEMS1"));
    QCOMPARE(editor.get<QComboBox>("ARaceType").currentText(), QStringLiteral("Спринт"));
    QVERIFY(editor.get("ALapsCount").isHidden());
    QVERIFY(editor.get("LapsLabel").isHidden());
    QVERIFY(editor.get("CircuitNote").isHidden());
    const auto& number = editor.get<QSpinBox>("AMissionNumber");
    QCOMPARE(number.maximum(), 500);
    QVERIFY(number.findChild<QLineEdit*>()->isReadOnly());

    QVERIFY(!editor.get("RepCarBtn").isEnabled());
    QVERIFY(!editor.get("RepCheckpBtn").isEnabled());
    QVERIFY(!editor.get("PlayerCarNumber").isEnabled());
    QCOMPARE(editor.get<QSlider>("IHBar").maximum(), 5);
    QCOMPARE(editor.get<QPushButton>("DelCarBtn").text(), QStringLiteral("Удалить последнюю"));
    QCOMPARE(editor.get<QPushButton>("DelCheckpBtn").text(), QStringLiteral("Удалить последний"));
    QCOMPARE(editor.get<QCheckBox>("PlayerCar").text(), QStringLiteral("Своя машина*"));

    const auto& weather = editor.get<QComboBox>("AWeather");
    QCOMPARE(weather.count(), 21);
    QCOMPARE(weather.itemText(20), QStringLiteral("[Пустыня] Песчаная буря"));
    QVERIFY(editor.get<QRadioButton>("TrafficOn").isChecked());
    QCOMPARE(editor.get<QSpinBox>("AMoneyPrize").singleStep(), 10);
    for (const char* name : {"AHour", "TimeColon", "AMinutes"}) {
        QVERIFY2(!editor.get(name).isEnabled(), name);
    }
    const auto& flags = editor.get<QListWidget>("Flags");
    QCOMPARE(flags.count(), 4);
    QCOMPARE(flags.item(3)->text(),
             QStringLiteral("Противники перехватывают инициативу гонки на старте (стартуют "
                            "быстрее игрока)"));
    QCOMPARE(editor.get<QPushButton>("EventsBtn").text(), QStringLiteral("События (beta)..."));
}

void MainWindowTest::showsHintsInTheStatusBarAndNeverAsTips() {
    EditorFixture editor;
    editor.showMainWindow();
    QStatusBar& status = *editor.mainWindow().statusBar();
    const auto enter = [](QWidget& widget) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(&widget, &event);
    };
    const auto leave = [](QWidget& widget) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&widget, &event);
    };

    enter(editor.get("AStartX"));
    QCOMPARE(status.currentMessage(), QStringLiteral("Координаты старта гонки (по оси X)"));
    enter(editor.get("GetCoordBtn1"));
    QCOMPARE(status.currentMessage(),
             QStringLiteral("Автоматическое определение координат игрока из игры"));
    // A control without a hint shows that of the page it stands on.
    enter(editor.get("CircuitNote"));
    QCOMPARE(status.currentMessage(),
             QStringLiteral("Чекпоинты - это контрольные точки, которые в совокупности "
                            "представляют собой маршрут гонки"));
    enter(editor.get("CheckpTree"));
    QCOMPARE(status.currentMessage(), QStringLiteral("Здесь указаны все чекпоинты гонки"));
    leave(editor.get("CheckpTree"));
    QVERIFY(status.currentMessage().startsWith(QStringLiteral("Чекпоинты - это")));
    leave(editor.get("CheckpsParameters"));
    QVERIFY(status.currentMessage().isEmpty());

    for (QWidget* window : editor.app().windows()) {
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
        }
    }
}

void MainWindowTest::editingTheControlsChangesTheMission() {
    EditorFixture editor;
    editor.type("AStartX", "-1234.5");
    editor.type("AStartYvar", "MyStartY");
    editor.type("AMissionName", "racems2xyz");  // capitals, at most 7 typed
    editor.type("AMissionPrefix", "Race2");
    editor.click("PassRepeat");
    QTest::keyClick(&editor.get("AMissionNumber"), Qt::Key_Up);
    editor.click("BP");
    editor.click("VH");
    editor.click("PlayerCar");
    QTest::keyClick(&editor.get("IHBar"), Qt::Key_Right);
    QTest::keyClick(&editor.get("IHBar"), Qt::Key_Right);
    editor.click("TrafficOff");
    QTest::keyClick(&editor.get("AMoneyPrize"), Qt::Key_Up);
    QTest::keyClick(&editor.get("AMoneyPrize"), Qt::Key_Up);
    auto& weather = editor.get<QComboBox>("AWeather");
    editor.reveal(weather);
    QTest::keyClick(&weather, Qt::Key_Down);
    auto& flags = editor.get<QListWidget>("Flags");
    flags.setCurrentRow(2);
    QTest::keyClick(flags.viewport(), Qt::Key_Space);

    const qv::MissionParameters& p = editor.mission().parameters();
    QCOMPARE(p.AStartX, std::string("-1234.5"));
    QCOMPARE(p.AStartYvar, std::string("MyStartY"));
    QCOMPARE(p.AMissionName, std::string("RACEMS2"));
    QCOMPARE(editor.get<QLineEdit>("AMissionName").text(), QStringLiteral("RACEMS2"));
    QCOMPARE(p.AMissionPrefix, std::string("Race2"));
    QVERIFY(p.PassRepeat);
    QCOMPARE(p.AMissionNumber, 1);
    QVERIFY(p.BP && p.VH && p.PlayerCar);
    QCOMPARE(p.IHBar, 2);
    QVERIFY(!p.TrafficOn);
    QVERIFY(p.TrafficOff);
    QCOMPARE(p.AMoneyPrize, 20);
    QCOMPARE(p.AWeather, 1);
    QCOMPARE(p.Flags, (std::array<bool, 4>{false, false, true, false}));
}

void MainWindowTest::theMissionNameTakesSevenCharactersHoweverTheyCome() {
    EditorFixture editor;
    editor.showMainWindow();
    auto& name = editor.get<QLineEdit>("AMissionName");
    editor.reveal(name);
    name.setFocus();

    // Pasted: what does not fit is left out, wherever the text goes in.
    name.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("abcdefghij"));
    QTest::keySequence(&name, QKeySequence::Paste);
    QCOMPARE(name.text(), QStringLiteral("ABCDEFG"));
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("ABCDEFG"));
    name.setSelection(2, 3);
    QApplication::clipboard()->setText(QStringLiteral("xyzw"));
    QTest::keySequence(&name, QKeySequence::Paste);
    QCOMPARE(name.text(), QStringLiteral("ABXYZFG"));
    QCOMPARE(name.cursorPosition(), 5);
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("ABXYZFG"));

    // A longer name from a project stays whole, and takes no more characters.
    qv::MissionParameters p = editor.mission().parameters();
    p.AMissionName = "LONGNAME9";
    editor.mission().setParameters(p);
    QCOMPARE(name.text(), QStringLiteral("LONGNAME9"));
    name.setCursorPosition(4);
    QTest::keyClicks(&name, QStringLiteral("ab"));
    QTest::keySequence(&name, QKeySequence::Paste);
    QCOMPARE(name.text(), QStringLiteral("LONGNAME9"));
    QTest::keyClick(&name, Qt::Key_Backspace);
    QCOMPARE(editor.mission().parameters().AMissionName, std::string("LONNAME9"));
}

void MainWindowTest::changesOfTheMissionAreShownInTheControls() {
    EditorFixture editor;
    qv::MissionParameters p = editor.mission().parameters();
    p.AStartZ = "15.75";
    p.AMissionName = "LOOP";
    p.ARaceType = qv::Circuit;
    p.ALapsCount = 4;
    p.TrafficOn = false;
    p.TrafficOff = true;
    p.ATime = true;
    p.AHour = 21;
    p.Flags[0] = true;
    editor.mission().setParameters(p);

    QCOMPARE(editor.get<QLineEdit>("AStartZ").text(), QStringLiteral("15.75"));
    QCOMPARE(editor.get<QLineEdit>("AMissionName").text(), QStringLiteral("LOOP"));
    QCOMPARE(editor.get<QSpinBox>("ALapsCount").value(), 4);
    QVERIFY(!editor.get("ALapsCount").isHidden());
    QVERIFY(editor.get<QRadioButton>("TrafficOff").isChecked());
    QVERIFY(editor.get("AHour").isEnabled());
    QCOMPARE(editor.get<QSpinBox>("AHour").value(), 21);
    QCOMPARE(editor.get<QListWidget>("Flags").item(0)->checkState(), Qt::Checked);
    QCOMPARE(editor.mission().parameters(), p);
}

void MainWindowTest::aLoadedValueIsHeldAsItsControlHoldsIt() {
    EditorFixture editor;
    qv::MissionData data;
    data.parameters.IHBar = 9;
    data.parameters.AHour = 30;
    data.parameters.AMinutes = -4;
    data.parameters.PlayerCarNumber = 0;
    data.parameters.AWeather = 25;
    data.parameters.TrafficOn = false;
    data.parameters.TrafficOff = false;
    data.cars = {car("A"), car("B"), car("C")};
    editor.mission().replace(std::move(data), qv::test::copyTrees(editor.mission()));

    const qv::MissionParameters& p = editor.mission().parameters();
    QCOMPARE(p.IHBar, 5);
    QCOMPARE(p.AHour, 23);
    QCOMPARE(p.AMinutes, 0);
    QCOMPARE(p.PlayerCarNumber, 1);
    QCOMPARE(p.AWeather, -1);
    QCOMPARE(editor.get<QComboBox>("AWeather").currentIndex(), -1);
    // Neither traffic button is on after a file without them.
    QVERIFY(!p.TrafficOn && !p.TrafficOff);
    QVERIFY(!editor.get<QRadioButton>("TrafficOn").isChecked());
    QVERIFY(!editor.get<QRadioButton>("TrafficOff").isChecked());
    const auto& player = editor.get<QSpinBox>("PlayerCarNumber");
    QCOMPARE(player.maximum(), 3);
    QVERIFY(player.isEnabled());
}

void MainWindowTest::clickingIntoAStartFieldTidiesItsNumber() {
    EditorFixture editor;
    const struct {
        const char* typed;
        const char* tidy;
    } cases[] = {
        {"1,5", "0.00"}, {"1.5", "1.5"}, {"", "0.00"}, {"abc", "0.00"}, {"-2488.56", "-2488.56"}};
    for (const auto& c : cases) {
        editor.type("AStartY", QString::fromUtf8(c.typed));
        editor.click("AStartY");
        QCOMPARE(editor.get<QLineEdit>("AStartY").text(), QString::fromUtf8(c.tidy));
        QCOMPARE(editor.mission().parameters().AStartY, std::string(c.tidy));
    }
}

void MainWindowTest::tabRunsThroughTheStartNumbersBeforeTheirNames() {
    EditorFixture editor;
    editor.showMainWindow();
    editor.get<QLineEdit>("AStartX").setFocus();
    QStringList order;
    for (int i = 0; i < 6; ++i) {  // the capture button takes no focus
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"AStartY", "AStartZ", "AStartXvar", "AStartYvar", "AStartZvar",
                                 "ARaceType"}));
}

void MainWindowTest::aNewMissionsTreeRootsAreShownWhole() {
    EditorFixture editor;
    for (const char* name : {"CarTree", "CheckpTree"}) {
        const auto& tree = editor.get<MissionTreeView>(QString::fromLatin1(name));
        const QModelIndex root = tree.model()->index(0, 0);
        QTRY_VERIFY2(
            tree.columnWidth(0) >=
                tree.indentation() + tree.fontMetrics().horizontalAdvance(root.data().toString()),
            name);
    }
}

void MainWindowTest::theRaceTypeShowsAndHidesTheLaps() {
    EditorFixture editor;
    auto& raceType = editor.get<QComboBox>("ARaceType");
    editor.reveal(raceType);
    QTest::keyClick(&raceType, Qt::Key_Down);
    QCOMPARE(raceType.currentText(), QStringLiteral("Кольцо"));
    QCOMPARE(editor.mission().parameters().ARaceType, int(qv::Circuit));
    for (const char* name : {"LapsLabel", "ALapsCount", "CircuitNote"}) {
        QVERIFY2(!editor.get(name).isHidden(), name);
    }
    QCOMPARE(editor.get<QLabel>("CircuitNote").text(),
             QStringLiteral("В кольцевой гонке первый чекпоинт используется в качестве\nначала "
                            "круга."));
    QTest::keyClick(&raceType, Qt::Key_Up);
    QCOMPARE(editor.mission().parameters().ARaceType, int(qv::Sprint));
    for (const char* name : {"LapsLabel", "ALapsCount", "CircuitNote"}) {
        QVERIFY2(editor.get(name).isHidden(), name);
    }
}

void MainWindowTest::theTimeToggleEnablesTheTimeFields() {
    EditorFixture editor;
    editor.click("ATime");
    for (const char* name : {"AHour", "TimeColon", "AMinutes"}) {
        QVERIFY2(editor.get(name).isEnabled(), name);
    }
    QTest::keyClick(&editor.get("AMinutes"), Qt::Key_Up);
    editor.click("ATime");
    for (const char* name : {"AHour", "TimeColon", "AMinutes"}) {
        QVERIFY2(!editor.get(name).isEnabled(), name);
    }
    QVERIFY(!editor.mission().parameters().ATime);
    QCOMPARE(editor.mission().parameters().AMinutes, 1);  // the values stay
}

void MainWindowTest::removingCarsBoundsThePlayersCarNumber() {
    EditorFixture editor;
    auto& player = editor.get<QSpinBox>("PlayerCarNumber");
    addCars(editor.mission(), 1);
    QVERIFY(!player.isEnabled());
    addCars(editor.mission(), 2);
    QVERIFY(player.isEnabled());
    QCOMPARE(player.maximum(), 3);
    QCOMPARE(player.value(), 1);

    // The player's own choice survives while its car does.
    editor.click("DelCarBtn");
    QCOMPARE(editor.mission().carCount(), 2);
    QCOMPARE(player.maximum(), 2);
    QCOMPARE(player.value(), 1);
    QVERIFY(player.isEnabled());

    // A choice above the new count comes down to it.
    QTest::keyClick(&player, Qt::Key_Up);
    QCOMPARE(editor.mission().parameters().PlayerCarNumber, 2);
    editor.click("DelCarBtn");
    QCOMPARE(player.value(), 1);
    QCOMPARE(editor.mission().parameters().PlayerCarNumber, 1);
    QVERIFY(!player.isEnabled());
    QCOMPARE(editor.mission().carTree().root()->text(), std::string("Машины (1 всего)"));

    editor.click("DelCarBtn");
    editor.click("DelCarBtn");  // no car left: nothing happens
    QCOMPARE(editor.mission().carCount(), 0);
    QCOMPARE(player.value(), 1);
    QVERIFY(editor.dialogs.messages().empty());
}

void MainWindowTest::changeIsEnabledOnlyWhileARowNodeIsSelected() {
    EditorFixture editor;
    addCars(editor.mission(), 3);
    auto& tree = editor.get<MissionTreeView>("CarTree");
    auto& change = editor.get<QPushButton>("RepCarBtn");
    const qv::TreeNode* root = editor.mission().carTree().root();

    tree.selectNode(root->child(2));
    QVERIFY(change.isEnabled());
    QCOMPARE(tree.selectedRow(), 3);
    tree.selectNode(root->child(2)->child(0));
    QVERIFY(!change.isEnabled());
    tree.selectNode(root);
    QVERIFY(!change.isEnabled());

    tree.selectNode(root->child(2));
    editor.click("RepCarBtn");
    QVERIFY(editor.window(WindowId::ModifyCar).isVisible());
    editor.window(WindowId::ModifyCar).hide();

    // The selected car is removed: nothing is selected any more, and "Изменить" does nothing.
    editor.click("DelCarBtn");
    QCOMPARE(tree.selectedRow(), 0);
    QVERIFY(!change.isEnabled());
    change.setEnabled(true);
    editor.click("RepCarBtn");
    QVERIFY(!editor.window(WindowId::ModifyCar).isVisible());
}

void MainWindowTest::removingTheLastCheckpointUpdatesTheTree() {
    EditorFixture editor;
    for (int i = 0; i < 2; ++i) {
        editor.mission().appendCheckpoint({}, "Гоночный ");
    }
    auto& tree = editor.get<MissionTreeView>("CheckpTree");
    const qv::TreeNode* root = editor.mission().checkpointTree().root();
    QCOMPARE(tree.model()->rowCount(tree.model()->index(0, 0)), 2);
    tree.selectNode(root->child(0));
    QVERIFY(editor.get("RepCheckpBtn").isEnabled());
    editor.click("RepCheckpBtn");
    QVERIFY(editor.window(WindowId::ModifyCheckp).isVisible());

    editor.click("DelCheckpBtn");
    QCOMPARE(editor.mission().checkpointCount(), 1);
    QCOMPARE(tree.model()->index(0, 0).data().toString(), QStringLiteral("Чекпоинты (1 всего)"));
    QCOMPARE(tree.model()->rowCount(tree.model()->index(0, 0)), 1);
    QVERIFY(editor.get("RepCheckpBtn").isEnabled());  // checkpoint 1 is still selected
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
