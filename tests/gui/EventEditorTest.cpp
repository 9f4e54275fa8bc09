#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DialogDriver.h"

using namespace qv::test;
using qv::ui::MissionTreeView;
using qv::ui::WindowId;

namespace {

constexpr WindowId Events = WindowId::Events;
constexpr WindowId Add = WindowId::AddEvent;
constexpr WindowId Modify = WindowId::ModifyEvent;

MissionTreeView& eventsTree(const EditorFixture& editor) {
    return control<MissionTreeView>(editor, Events, "EventsTree");
}

void write(const EditorFixture& editor, WindowId id, const QString& conditions,
           const QString& actions) {
    control<QPlainTextEdit>(editor, id, "Conditions").setPlainText(conditions);
    control<QPlainTextEdit>(editor, id, "Actions").setPlainText(actions);
}

void chooseKind(const EditorFixture& editor, WindowId id, int item) {
    control<QComboBox>(editor, id, "ComboBox1").setCurrentIndex(item);
}

// Adds an event through the add dialog and returns the last message box's text, if any.
QString addEvent(EditorFixture& editor, const QString& conditions, const QString& actions) {
    editor.dialogs.clearRecords();
    clickOn(editor, Events, "Button1");
    write(editor, Add, conditions, actions);
    clickOn(editor, Add, "Button1");
    return editor.dialogs.messages().empty() ? QString() : editor.dialogs.lastMessage().text;
}

void openModify(const EditorFixture& editor, int row) {
    eventsTree(editor).selectRow(row);
    clickOn(editor, Events, "Button3");
}

// Edits a node of the events tree in place: F2, the text, Enter.
void editInPlace(const EditorFixture& editor, std::initializer_list<int> path,
                 const QString& text) {
    MissionTreeView& tree = eventsTree(editor);
    selectPath(tree, path);
    QTest::keyClick(&tree, Qt::Key_F2);
    if (auto* field = tree.viewport()->findChild<QLineEdit*>()) {
        typeInto(*field, text);
        QTest::keyClick(field, Qt::Key_Return);
        QCoreApplication::processEvents();  // the view takes the text and drops the field later
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace

class EventEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void theWindowAndItsDialogsLookAsTheyShould();
    void eventsAreAddedWithTheirNonEmptyLines();
    void refusedEventsChangeNothing();
    void changeRebuildsTheLinesAndKeepsTheKind();
    void onlyConditionAndActionLinesAreEditedInPlace();
    void removingAndTheChangeDialogOfARemovedEvent();
};

void EventEditorTest::theWindowAndItsDialogsLookAsTheyShould() {
    EditorFixture editor;
    editor.click("EventsBtn");
    QWidget& window = editor.window(Events);
    QCOMPARE(window.windowTitle(), QStringLiteral("События (beta)"));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(control<QLabel>(window, "Label1").text(),
             QStringLiteral("Здесь вы можете настроить события, которые будут происходить во "
                            "время гонки."));
    QStringList captions;
    for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5"}) {
        captions << control<QPushButton>(window, name).text();
    }
    QCOMPARE(captions, QStringList({"Добавить событие", "Удалить последнее", "Изменить",
                                    "Развернуть", "Свернуть"}));
    QVERIFY(!control(window, "Button3").isEnabled());

    for (const WindowId id : {Add, Modify}) {
        QWidget& dialog = editor.window(id);
        // Above the program's own windows, not above other programs.
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(dialog.parentWidget(), &editor.mainWindow());
        const auto& kind = control<QComboBox>(dialog, "ComboBox1");
        QCOMPARE(kind.currentIndex(), -1);
        QCOMPARE(QStringList({kind.itemText(0), kind.itemText(1), kind.itemText(2)}),
                 QStringList({"", "and", "or"}));
        QCOMPARE(control<QPlainTextEdit>(dialog, "Conditions").lineWrapMode(),
                 QPlainTextEdit::NoWrap);
        QCOMPARE(control<QPlainTextEdit>(dialog, "Actions").lineWrapMode(),
                 QPlainTextEdit::WidgetWidth);
        QStringList help;
        for (const QLabel* label : control(dialog, "GroupBox1").findChildren<QLabel*>()) {
            help << label->text();
        }
        QCOMPARE(help.size(), 13);
        QCOMPARE(help.at(2),
                 QStringLiteral("Во избежание глюков с загрузкой не ставьте пробелов в начале "
                                "строк!!!"));
        QCOMPARE(help.at(7), QStringLiteral("IF..THEN..END "));
    }
    QCOMPARE(editor.window(Add).windowTitle(), QStringLiteral("Добавить событие"));
    QCOMPARE(control<QPushButton>(editor, Add, "Button2").text(), QStringLiteral("Очистить"));
    QVERIFY(editor.window(Modify).findChild<QWidget*>(QStringLiteral("Button2")) == nullptr);
}

void EventEditorTest::eventsAreAddedWithTheirNonEmptyLines() {
    EditorFixture editor;
    editor.click("EventsBtn");
    QCOMPARE(addEvent(editor, QStringLiteral("A\n\nB\n"), QStringLiteral("wait 0\n\nX")),
             QString());
    QVERIFY(!editor.window(Add).isVisible());
    chooseKind(editor, Add, 2);
    QCOMPARE(addEvent(editor, QStringLiteral("\n\n"), QStringLiteral("Y")), QString());
    QCOMPARE(shownTree(editor, Events, "EventsTree"),
             QStringList({"События", "\tСобытие 1", "\t\tif ", "\t\t\tA", "\t\t\tB", "\t\tthen",
                          "\t\t\twait 0", "\t\t\tX", "\tСобытие 2", "\t\tif or", "\t\tthen",
                          "\t\t\tY"}));
    QCOMPARE(editor.mission().eventCount(), 2);

    // "Очистить" empties the texts and keeps the kind.
    clickOn(editor, Events, "Button1");
    clickOn(editor, Add, "Button2");
    QVERIFY(control<QPlainTextEdit>(editor, Add, "Conditions").toPlainText().isEmpty());
    QVERIFY(control<QPlainTextEdit>(editor, Add, "Actions").toPlainText().isEmpty());
    QCOMPARE(control<QComboBox>(editor, Add, "ComboBox1").currentText(), QStringLiteral("or"));
}

void EventEditorTest::refusedEventsChangeNothing() {
    EditorFixture editor;
    editor.click("EventsBtn");
    const QString sevenLines = QStringLiteral("A\nB\n\nD\nE\nF\nG");
    QCOMPARE(addEvent(editor, sevenLines, QStringLiteral("X")),
             QStringLiteral("Допускается не более 6 подусловий."));
    QCOMPARE(addEvent(editor, QString(), QStringLiteral("X")), QStringLiteral("Введите условия!"));
    QCOMPARE(addEvent(editor, QStringLiteral("A"), QString()), QStringLiteral("Введите действия!"));
    QCOMPARE(editor.dialogs.lastMessage().title, QStringLiteral("Quorvane"));
    QVERIFY(editor.window(Add).isVisible());
    QCOMPARE(control<QPlainTextEdit>(editor, Add, "Conditions").toPlainText(), QStringLiteral("A"));
    QCOMPARE(editor.mission().eventCount(), 0);
    QCOMPARE(shownTree(editor, Events, "EventsTree"), QStringList({"События"}));

    QCOMPARE(addEvent(editor, QStringLiteral("A\nB\nC\nD\nE\nF\n"), QStringLiteral("X")),
             QString());
    QCOMPARE(shownTree(editor, Events, "EventsTree").at(1), QStringLiteral("\tСобытие 1"));

    // The change dialog runs the same tests and leaves the event as it was.
    openModify(editor, 1);
    write(editor, Modify, sevenLines, QStringLiteral("X"));
    clickOn(editor, Modify, "Button1");
    QCOMPARE(editor.dialogs.lastMessage().text,
             QStringLiteral("Допускается не более 6 подусловий."));
    QVERIFY(editor.window(Modify).isVisible());
    QCOMPARE(editor.mission().event(1).Conditions.size(), size_t(6));
}

void EventEditorTest::changeRebuildsTheLinesAndKeepsTheKind() {
    EditorFixture editor;
    editor.mission().appendEvent({"", {"IF1"}, {"ACT1"}});
    editor.mission().appendEvent({"and", {"C1", "C2", "C3"}, {"D1", "D2"}});
    editor.click("EventsBtn");
    const QStringList firstEvent = shownTree(editor, Events, "EventsTree").mid(0, 6);

    openModify(editor, 2);
    QWidget& modify = editor.window(Modify);
    QVERIFY(modify.isVisible());
    QCOMPARE(modify.windowTitle(), QStringLiteral("Событие 2 - Редактирование"));
    QCOMPARE(control<QComboBox>(modify, "ComboBox1").currentText(), QStringLiteral("and"));
    QCOMPARE(control<QPlainTextEdit>(modify, "Conditions").toPlainText(),
             QStringLiteral("C1\nC2\nC3"));
    QCOMPARE(control<QPlainTextEdit>(modify, "Actions").toPlainText(), QStringLiteral("D1\nD2"));

    // A fourth condition is kept, and a removed action line is gone.
    write(editor, Modify, QStringLiteral("C1\nC2\nC3\nC4"), QStringLiteral("D2"));
    clickOn(editor, Modify, "Button1");
    QVERIFY(!modify.isVisible());
    QCOMPARE(editor.mission().event(2), (qv::EventEntry{"and", {"C1", "C2", "C3", "C4"}, {"D2"}}));
    QCOMPARE(shownTree(editor, Events, "EventsTree"),
             firstEvent + QStringList({"\tСобытие 2", "\t\tif and", "\t\t\tC1", "\t\t\tC2",
                                       "\t\t\tC3", "\t\t\tC4", "\t\tthen", "\t\t\tD2"}));

    openModify(editor, 1);
    QCOMPARE(control<QComboBox>(modify, "ComboBox1").currentIndex(), 0);
    chooseKind(editor, Modify, 2);
    clickOn(editor, Modify, "Button1");
    QCOMPARE(editor.mission().event(1), (qv::EventEntry{"or", {"IF1"}, {"ACT1"}}));
}

void EventEditorTest::onlyConditionAndActionLinesAreEditedInPlace() {
    EditorFixture editor;
    editor.mission().appendEvent({"", {"IF1", "IF2"}, {"ACT1"}});
    editor.click("EventsBtn");
    editInPlace(editor, {0, 0, 1}, QStringLiteral("0038: $X == 1"));
    editInPlace(editor, {0, 1, 0}, QStringLiteral("wait 100"));
    QCOMPARE(editor.mission().event(1),
             (qv::EventEntry{"", {"IF1", "0038: $X == 1"}, {"wait 100"}}));

    // The structural nodes keep their texts, and an emptied line keeps its old one.
    editInPlace(editor, {0}, QStringLiteral("Событие 9"));
    editInPlace(editor, {0, 0}, QStringLiteral("if or"));
    editInPlace(editor, {0, 1}, QStringLiteral("else"));
    editInPlace(editor, {0, 0, 0}, QString());
    QCOMPARE(shownTree(editor, Events, "EventsTree"),
             QStringList({"События", "\tСобытие 1", "\t\tif ", "\t\t\tIF1", "\t\t\t0038: $X == 1",
                          "\t\tthen", "\t\t\twait 100"}));
}

void EventEditorTest::removingAndTheChangeDialogOfARemovedEvent() {
    EditorFixture editor;
    editor.click("EventsBtn");
    clickOn(editor, Events, "Button2");  // nothing to remove
    QCOMPARE(shownTree(editor, Events, "EventsTree"), QStringList({"События"}));
    editor.mission().appendEvent({"", {"A"}, {"B"}});
    editor.mission().appendEvent({"", {"C"}, {"D"}});

    openModify(editor, 2);
    QVERIFY(editor.window(Modify).isVisible());
    clickOn(editor, Events, "Button2");
    QVERIFY(!editor.window(Modify).isVisible());
    QCOMPARE(editor.mission().eventCount(), 1);
    QCOMPARE(shownTree(editor, Events, "EventsTree").size(), 6);

    clickOn(editor, Events, "Button4");
    QVERIFY(eventsTree(editor).isExpanded(eventsTree(editor).model()->index(0, 0)));
    clickOn(editor, Events, "Button5");
    QVERIFY(!eventsTree(editor).isExpanded(eventsTree(editor).model()->index(0, 0)));
}

QTEST_MAIN(EventEditorTest)
#include "EventEditorTest.moc"
