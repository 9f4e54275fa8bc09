#include <QAbstractItemModel>
#include <QApplication>
#include <QTest>

#include "EditorFixture.h"
#include "VisibleTexts.h"
#include "model/Mission.h"
#include "ui/common/MissionTreeView.h"
#include "ui/common/TreeModel.h"
#include "ui/main/Startup.h"

using qv::Language;
using qv::test::EditorFixture;
using qv::test::hasCyrillic;
using qv::ui::EditorApp;
using qv::ui::MessageButton;
using qv::ui::MissionTreeView;

namespace {

qv::CarEntry car(std::string model, std::vector<std::string> components = {}) {
    return {std::move(model), "1", "2", "3", "4", std::move(components)};
}

QAction& rowAction(MissionTreeView& tree, const char* name) {
    for (QAction* action : tree.actions()) {
        if (action->objectName() == QLatin1String(name)) {
            return *action;
        }
    }
    qFatal("%s has no action %s", qPrintable(tree.objectName()), name);
}

// The texts the main window makes of a sentence and what fills it.
struct FilledTexts {
    QString quitQuestion;   // with a note of what quitting leaves undone
    QString insertCommand;  // on the first of two cars
    QString undoCommand;    // after adding the second car
    std::string undoStep;
};

FilledTexts filledTexts(EditorFixture& editor) {
    editor.mission().appendCar(car("A"));
    editor.mission().appendCar(car("B"));
    auto& cars = editor.get<MissionTreeView>("CarTree");
    cars.selectRow(1);
    editor.app().setQuitNote(EditorApp::QuitNote::Recording, "NOTE");
    editor.mission().markSaved();
    editor.showMainWindow();
    editor.dialogs.answerMessage(MessageButton::Cancel);
    editor.mainWindow().close();
    return {editor.dialogs.lastMessage().text, rowAction(cars, "InsertRowAction").text(),
            editor.action("UndoAction").text(), editor.mission().undoName()};
}

// Every text of the tree below `parent` in pre-order, as shown or as edited.
QStringList treeTexts(const QAbstractItemModel& model, int role, const QModelIndex& parent = {}) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        texts << index.data(role).toString();
        texts << treeTexts(model, role, index);
    }
    return texts;
}

}  // namespace

class MainWindowLanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void sentencesWithTheirPartsReadAsBeforeInRussianAndWholeInEnglish();
    void treesShowTheirTextsInTheLanguageAndKeepThemAsTheFilesHoldThem();
};

// Back to the language every other test speaks.
void MainWindowLanguageTest::cleanup() {
    qv::ui::installTranslations(*qApp, Language::Russian);
}

void MainWindowLanguageTest::sentencesWithTheirPartsReadAsBeforeInRussianAndWholeInEnglish() {
    {
        EditorFixture editor;
        const FilledTexts russian = filledTexts(editor);
        QCOMPARE(russian.quitQuestion, QStringLiteral("Вы действительно хотите выйти?\n\nNOTE"));
        QCOMPARE(russian.insertCommand, QStringLiteral("Вставить после выбранного (станет №2)"));
        QCOMPARE(russian.undoCommand,
                 QStringLiteral("Отменить: ") + QString::fromStdString(russian.undoStep));
        editor.endProgram();
    }
    EditorFixture editor(Language::English);
    const FilledTexts english = filledTexts(editor);
    // The filled part stands where English puts it, and nothing Russian is left around it.
    QVERIFY(english.quitQuestion.endsWith(QStringLiteral("?\n\nNOTE")));
    QVERIFY(!hasCyrillic(english.quitQuestion));
    QVERIFY(english.insertCommand.endsWith(QStringLiteral("#2)")));
    QVERIFY(!hasCyrillic(english.insertCommand));
    const QString step = QString::fromStdString(english.undoStep);
    QVERIFY(english.undoCommand.endsWith(QStringLiteral(": ") + step));
    QVERIFY(!hasCyrillic(english.undoCommand.chopped(step.size())));
    editor.endProgram();
}

void MainWindowLanguageTest::treesShowTheirTextsInTheLanguageAndKeepThemAsTheFilesHoldThem() {
    EditorFixture editor(Language::English);
    qv::Mission& mission = editor.mission();
    mission.appendCar(car("ELEGY", {"1010"}));
    mission.appendCheckpoint({}, "Напрямик");
    mission.appendEvent({"", {"Машина 7 едет"}, {"wait 0"}});

    for (const char* name : {"CarTree", "CheckpTree", "EventsTree"}) {
        const auto& tree = editor.get<MissionTreeView>(QString::fromLatin1(name));
        const QStringList shown = treeTexts(*tree.model(), Qt::DisplayRole);
        const QStringList stored = treeTexts(*tree.model(), Qt::EditRole);
        QCOMPARE(shown.size(), stored.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            // A user's own line is shown as written, whatever it resembles.
            if (stored[i].contains(QStringLiteral("едет"))) {
                QCOMPARE(shown[i], stored[i]);
                continue;
            }
            QVERIFY2(!hasCyrillic(shown[i]), qPrintable(shown[i]));
        }
        // What the project's files hold does not change with the language.
        QVERIFY(std::any_of(stored.begin(), stored.end(), hasCyrillic));
    }
    editor.endProgram();
}

QTEST_MAIN(MainWindowLanguageTest)
#include "MainWindowLanguageTest.moc"
