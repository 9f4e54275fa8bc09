#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "DialogDriver.h"

using namespace qv::test;
using qv::ui::MissionTreeView;
using qv::ui::WindowId;

namespace {

constexpr WindowId Objects = WindowId::Objects;
constexpr WindowId Add = WindowId::AddObject;
constexpr WindowId Modify = WindowId::ModifyObject;

MissionTreeView& objectTree(const EditorFixture& editor) {
    return control<MissionTreeView>(editor, Objects, "ObjectTree");
}

qv::ObjectEntry object(std::string model) {
    return {std::move(model), "1", "2", "3", "45"};
}

QStringList entries(const EditorFixture& editor) {
    QStringList texts;
    const auto& list = control<QListWidget>(editor, Add, "LObjectList");
    for (int i = 0; i < list.count(); ++i) {
        texts << list.item(i)->text();
    }
    return texts;
}

// Opens the add dialog with its model list in sight.
void openModelList(const EditorFixture& editor) {
    editor.click("ObjectsBtn");
    clickOn(editor, Objects, "Button1");
    control<QToolButton>(editor, Add, "SpeedButton2").click();
}

}  // namespace

class ObjectEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void theWindowAndItsDialogsLookAsTheyShould();
    void objectsAreAddedChangedAndRemovedThroughTheWindow();
    void onlyAnObjectNodeCanBeChangedAndTheTreeOpensAndCloses();
    void theCaptureKeepsTheAngleOnlyWhenChanging();
    void theUserModelListFillsTheModelField();
    void theModelListsOfferWhatCompiles();
    void aChangeDialogClosesWhenItsObjectGoesAway();
};

void ObjectEditorTest::theWindowAndItsDialogsLookAsTheyShould() {
    EditorFixture editor;
    editor.click("ObjectsBtn");
    QWidget& window = editor.window(Objects);
    QCOMPARE(window.windowTitle(), QStringLiteral("Объекты"));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QStringList captions;
    for (const char* name : {"Button1", "Button2", "Button3", "Button12", "Button4"}) {
        captions << control<QPushButton>(window, name).text();
    }
    QCOMPARE(captions, QStringList({"Добавить объект", "Удалить последний", "Изменить",
                                    "Развернуть", "Свернуть"}));
    QVERIFY(!control(window, "Button3").isEnabled());
    QCOMPARE(shownTree(editor, Objects, "ObjectTree"), QStringList({"Объекты"}));

    // The add dialog opens wide, its model list in sight but disabled.
    clickOn(editor, Objects, "Button1");
    QWidget& add = editor.window(Add);
    QVERIFY(add.isVisible());
    QCOMPARE(add.windowTitle(), QStringLiteral("Добавить объект"));
    QVERIFY(add.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(add.width(), 530);
    auto& panel = control<QGroupBox>(add, "GroupBox2");
    QCOMPARE(panel.title(), QStringLiteral("Пользовательский список моделей"));
    QVERIFY(!panel.isEnabled());
    QVERIFY(panel.geometry().left() >= 209);
    QCOMPARE(control(add, "SpeedButton2").statusTip(),
             QStringLiteral("Пользовательский список моделей"));
    control<QToolButton>(add, "SpeedButton2").click();
    QCOMPARE(add.width(), 530);
    QVERIFY(panel.isEnabled());
    control<QToolButton>(add, "SpeedButton2").click();
    QCOMPARE(add.width(), 209);
    QVERIFY(!panel.isEnabled());

    QWidget& modify = editor.window(Modify);
    QCOMPARE(modify.width(), 209);
    QVERIFY(modify.findChild<QWidget*>(QStringLiteral("LObjectList")) == nullptr);
    QStringList labels;
    for (const QLabel* label : modify.findChildren<QLabel*>()) {
        labels << label->text();
    }
    QVERIFY(labels.contains(QStringLiteral("Модель#")));
    QCOMPARE(control<QPushButton>(modify, "BitBtn1").text(), QStringLiteral("Изменить"));
}

void ObjectEditorTest::objectsAreAddedChangedAndRemovedThroughTheWindow() {
    EditorFixture editor;
    editor.click("ObjectsBtn");
    for (const char* model : {"kmb_skip", "cj_ramp", "bar"}) {
        clickOn(editor, Objects, "Button1");
        typeInto(editor, Add, "Edit1", QString::fromLatin1(model));
        clickOn(editor, Add, "BitBtn1");
        QVERIFY(!editor.window(Add).isVisible());
    }
    QCOMPARE(editor.mission().objectCount(), 3);
    QCOMPARE(editor.mission().object(2).Model, std::string("CJ_RAMP"));

    objectTree(editor).selectRow(1);
    clickOn(editor, Objects, "Button3");
    QWidget& modify = editor.window(Modify);
    QVERIFY(modify.isVisible());
    QCOMPARE(modify.windowTitle(), QStringLiteral("Объект 1 - Редактирование"));
    QCOMPARE(control<QLineEdit>(modify, "Edit1").text(), QStringLiteral("KMB_SKIP"));
    typeInto(editor, Modify, "Edit3", QStringLiteral("-7.25"));
    typeInto(editor, Modify, "Edit5", QStringLiteral("12"));
    clickOn(editor, Modify, "BitBtn1");
    QCOMPARE(editor.mission().object(1),
             (qv::ObjectEntry{"KMB_SKIP", "0.00", "-7.25", "0.00", "12"}));
    QCOMPARE(shownTree(editor, Objects, "ObjectTree").mid(0, 8),
             QStringList({"Объекты", "\tОбъект 1", "\t\tМодель: #KMB_SKIP", "\t\tКоординаты",
                          "\t\t\tX: 0.00", "\t\t\tY: -7.25", "\t\t\tZ: 0.00", "\t\t\tУгол: 12"}));

    // Removing takes the last object; the next one added gets its number again.
    clickOn(editor, Objects, "Button2");
    QCOMPARE(editor.mission().objectCount(), 2);
    QCOMPARE(shownTree(editor, Objects, "ObjectTree").size(), 15);
    clickOn(editor, Objects, "Button1");
    clickOn(editor, Add, "BitBtn1");
    QCOMPARE(shownTree(editor, Objects, "ObjectTree").at(15), QStringLiteral("\tОбъект 3"));
    for (int i = 0; i < 4; ++i) {
        clickOn(editor, Objects, "Button2");
    }
    QCOMPARE(editor.mission().objectCount(), 0);
    QCOMPARE(shownTree(editor, Objects, "ObjectTree"), QStringList({"Объекты"}));
}

void ObjectEditorTest::onlyAnObjectNodeCanBeChangedAndTheTreeOpensAndCloses() {
    EditorFixture editor;
    editor.mission().appendObject(object("BAR"));
    editor.mission().appendObject(object("KMB_SKIP"));
    editor.click("ObjectsBtn");
    MissionTreeView& tree = objectTree(editor);
    QWidget& change = control(editor, Objects, "Button3");

    selectPath(tree, {1});
    QVERIFY(change.isEnabled());
    QVERIFY(tree.isExpanded(tree.treeModel().indexOf(tree.selectedNode())));  // opens when selected
    selectPath(tree, {1, 1});
    QVERIFY(!change.isEnabled());
    selectPath(tree, {});
    QVERIFY(!change.isEnabled());
    clickOn(change);
    QVERIFY(!editor.window(Modify).isVisible());

    clickOn(editor, Objects, "Button12");
    const qv::TreeNode* angle = editor.mission().objectTree().root()->child(0)->child(1)->child(3);
    QVERIFY(tree.visualRect(tree.treeModel().indexOf(angle)).isValid());
    clickOn(editor, Objects, "Button4");
    const QModelIndex root = tree.treeModel().indexOf(editor.mission().objectTree().root());
    QVERIFY(!tree.isExpanded(root));
}

void ObjectEditorTest::theCaptureKeepsTheAngleOnlyWhenChanging() {
    EditorFixture editor;
    editor.mission().appendObject(object("BAR"));
    editor.game.placePlayer(10.0f, 20.0f, 30.0f, 0.0f);
    editor.click("ObjectsBtn");
    objectTree(editor).selectRow(1);
    clickOn(editor, Objects, "Button3");
    clickOn(editor, Modify, "SpeedButton1");
    clickOn(editor, Modify, "BitBtn1");
    QCOMPARE(editor.mission().object(1), (qv::ObjectEntry{"BAR", "10.00", "20.00", "30.00", "45"}));

    clickOn(editor, Objects, "Button1");
    clickOn(editor, Add, "SpeedButton1");
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit5").text(), QStringLiteral("0.00"));
    typeInto(editor, Add, "Edit2", QStringLiteral("x"));
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit2").text(), QStringLiteral("0.00"));
}

void ObjectEditorTest::theUserModelListFillsTheModelField() {
    EditorFixture editor;
    openModelList(editor);
    auto& description = control<QLineEdit>(editor, Add, "Edit6");
    QCOMPARE(description.text(), QStringLiteral("(Описание)"));
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit7").text(), QStringLiteral("(Модель)"));
    clickOn(editor, Add, "Button1");
    QCOMPARE(entries(editor), QStringList({"(Описание) (#(Модель))"}));

    typeInto(description, QStringLiteral("Трамплин большой"));
    QCOMPARE(description.text(), QStringLiteral("Трамплин б"));
    typeInto(control<QLineEdit>(editor, Add, "Edit7"), QStringLiteral("cj_ramp"));
    clickOn(editor, Add, "Button1");
    QCOMPARE(entries(editor).last(), QStringLiteral("Трамплин б (#cj_ramp)"));

    // "« Выбрать" needs a selected entry, and puts its model into the model field.
    auto& list = control<QListWidget>(editor, Add, "LObjectList");
    clickOn(editor, Add, "Button3");
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit1").text(), QString());
    list.setCurrentRow(1);
    clickOn(editor, Add, "Button3");
    QCOMPARE(control<QLineEdit>(editor, Add, "Edit1").text(), QStringLiteral("CJ_RAMP"));

    list.setCurrentRow(0);
    clickOn(editor, Add, "Button2");
    QCOMPARE(entries(editor), QStringList({"Трамплин б (#cj_ramp)"}));
    QCOMPARE(editor.mission().objectCount(), 0);  // the list is no part of the mission
}

// Sanny Builder reads only a model's name after "#": the list and the model field offer names.
void ObjectEditorTest::theModelListsOfferWhatCompiles() {
    EditorFixture editor;
    openModelList(editor);
    auto& model = control<QLineEdit>(editor, Add, "Edit7");
    const auto& hint = control<QLabel>(editor, Add, "ModelHint");
    typeInto(model, QStringLiteral("1238"));
    clickOn(editor, Add, "Button1");
    QVERIFY(entries(editor).constFirst().endsWith(QStringLiteral("(#TRAFFICCONE)")));
    QVERIFY(hint.isHidden());
    typeInto(model, QStringLiteral("77"));  // no object this program knows by that number
    clickOn(editor, Add, "Button1");
    QCOMPARE(entries(editor).size(), 1);
    QVERIFY(!hint.isHidden());
    typeInto(model, QStringLiteral("cj_ramp"));
    clickOn(editor, Add, "Button1");
    QCOMPARE(entries(editor).size(), 2);
    QVERIFY(hint.isHidden());

    // The model field suggests names, found by number as well.
    QCompleter* suggestions = control<QLineEdit>(editor, Add, "Edit1").completer();
    QVERIFY(suggestions != nullptr);
    suggestions->setCompletionPrefix(QStringLiteral("1238"));
    QCOMPARE(suggestions->currentCompletion(), QStringLiteral("TRAFFICCONE"));
}

void ObjectEditorTest::aChangeDialogClosesWhenItsObjectGoesAway() {
    EditorFixture editor;
    editor.mission().appendObject(object("BAR"));
    editor.click("ObjectsBtn");
    objectTree(editor).selectRow(1);
    clickOn(editor, Objects, "Button3");
    QVERIFY(editor.window(Modify).isVisible());
    clickOn(editor, Objects, "Button2");
    QVERIFY(!editor.window(Modify).isVisible());
    QVERIFY(!control(editor, Objects, "Button3").isEnabled());
}

QTEST_MAIN(ObjectEditorTest)
#include "ObjectEditorTest.moc"
