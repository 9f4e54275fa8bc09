#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "EditorFixture.h"
#include "NativePath.h"
#include "PeFixture.h"
#include "platform/UserLanguage.h"
#include "ui/options/OptionsWindow.h"

using qv::test::EditorFixture;
using qv::test::native;
using namespace qv::ui;

namespace {

const QString Warning =
    QStringLiteral("Для проверки скрипта миссии требуется Sanny Builder не ниже версии 3.00!");

std::string settingsFile() {
    return native("/races/settings.ini");
}

OptionsWindow& optionsOf(const EditorFixture& editor) {
    return editor.get<OptionsWindow>(QStringLiteral("Options"));
}

// The control named `name` of the options window: other windows have controls of the same
// numbered names.
template <typename Widget = QWidget>
Widget& control(const EditorFixture& editor, const char* name) {
    auto* found = optionsOf(editor).findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("the options window has no %s", name);
    }
    return *found;
}

void click(const EditorFixture& editor, const char* name) {
    QWidget& widget = control(editor, name);
    optionsOf(editor).show();
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.rect().center());
}

void showOptions(const EditorFixture& editor) {
    editor.showMainWindow();
    editor.action(QStringLiteral("OptionsAction")).trigger();
    QVERIFY(optionsOf(editor).isVisible());
}

// The compiler's controls, which the check box enables, as enabled or disabled as `enabled`;
// the game folder's, which the route map needs as well, always enabled.
bool pathControlsEnabled(const EditorFixture& editor, bool enabled) {
    for (const char* name : {"ASBDir", "BrowseSBBtn"}) {
        if (control(editor, name).isEnabled() != enabled) {
            return false;
        }
    }
    return control(editor, "AGameDir").isEnabled() && control(editor, "BrowseGameBtn").isEnabled();
}

void makeGameFolder(EditorFixture& editor) {
    editor.files.files[native("/games/SA/gta_sa.exe")] = "MZ";
    editor.files.files[native("/games/SA/data/script/main.scm")] = "script";
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void firstStartHasTheDefaultsAndWritesNothing();
    void okAfterAFreshStartWritesTheThreeKeys();
    void storedSettingsAreTakenAtCreationWithoutAWarning();
    void tickingTheBoxInTheOpenWindowWarnsAndEnablesThePaths();
    void cancelAfterTickingUnticksWithoutAWarning();
    void closingTheWindowKeepsTheUnconfirmedState();
    void browsingForTheGameFolderChecksItsFiles();
    void browsingForTheCompilerFolderChecksSanny();
    void theCompilersVersionIsShownAndOneBelow300IsWarnedOf();
    void aTypedPathIsStoredButNotInEffectUntilRead();
    void settingsThatCannotBeWrittenAreAnError();
    void theLanguageIsKeptApartAndTheWindowSaysWhenItChanges();
};

void OptionsTest::firstStartHasTheDefaultsAndWritesNothing() {
    EditorFixture editor;
    OptionsWindow& options = optionsOf(editor);
    QCOMPARE(options.windowTitle(), QStringLiteral("Настройки программы"));
    QVERIFY(!options.isVisible());
    auto& box = control<QCheckBox>(editor, "AMissionTest");
    QCOMPARE(box.text(), QStringLiteral("Проверка скрипта миссии после создания"));
    QVERIFY(!box.isChecked());
    QVERIFY(!editor.action(QStringLiteral("AMissionTestCheck")).isChecked());
    QVERIFY(pathControlsEnabled(editor, false));
    QVERIFY(control<QLineEdit>(editor, "AGameDir").text().isEmpty());
    QVERIFY(control<QLineEdit>(editor, "ASBDir").text().isEmpty());
    QCOMPARE(control<QPushButton>(editor, "BrowseGameBtn").text(), QStringLiteral("Обзор..."));
    QCOMPARE(control<QPushButton>(editor, "Button4").text(), QStringLiteral("ОК"));
    QCOMPARE(control<QPushButton>(editor, "Button1").text(), QStringLiteral("Отмена"));
    QVERIFY(!editor.files.fileExists(settingsFile()));
    QVERIFY(editor.dialogs.messages().empty());
}

void OptionsTest::okAfterAFreshStartWritesTheThreeKeys() {
    EditorFixture editor;
    showOptions(editor);
    click(editor, "Button4");
    QVERIFY(!optionsOf(editor).isVisible());
    QCOMPARE(editor.files.files[settingsFile()],
             std::string("[Main]\r\nMissionTest=0\r\nGameDir=\r\nSBDir=\r\n"));
}

void OptionsTest::storedSettingsAreTakenAtCreationWithoutAWarning() {
    EditorFixture editor;
    editor.files.files[settingsFile()] =
        "[Main]\r\nMissionTest=1\r\nGameDir=/games/SA/\r\nSBDir=/sb/\r\n";
    // A second options window, made as start-up makes the first.
    OptionsWindow options(editor.app());
    QVERIFY(options.missionTest());
    QVERIFY(editor.action(QStringLiteral("AMissionTestCheck")).isChecked());
    QCOMPARE(options.gameFolder(), std::string("/games/SA/"));
    QCOMPARE(options.compilerFolder(), std::string("/sb/"));
    QVERIFY(options.findChild<QLineEdit*>(QStringLiteral("ASBDir"))->isEnabled());
    QVERIFY(editor.dialogs.messages().empty());
}

void OptionsTest::tickingTheBoxInTheOpenWindowWarnsAndEnablesThePaths() {
    EditorFixture editor;
    showOptions(editor);
    click(editor, "AMissionTest");

    QVERIFY(editor.action(QStringLiteral("AMissionTestCheck")).isChecked());
    QVERIFY(pathControlsEnabled(editor, true));
    QCOMPARE(editor.dialogs.messages().size(), size_t{1});
    const auto& shown = editor.dialogs.lastMessage();
    QCOMPARE(shown.title, QStringLiteral("Внимание!"));
    QCOMPARE(shown.text, Warning);
    QCOMPARE(shown.icon, MessageIcon::Warning);
    QCOMPARE(shown.buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(shown.owner.data(), &editor.window(WindowId::Options));  // shown above it
    QVERIFY(!editor.files.fileExists(settingsFile()));                // in effect, not yet kept

    click(editor, "AMissionTest");
    QVERIFY(pathControlsEnabled(editor, false));
    QCOMPARE(editor.dialogs.messages().size(), size_t{1});
}

void OptionsTest::cancelAfterTickingUnticksWithoutAWarning() {
    EditorFixture editor;
    showOptions(editor);
    click(editor, "AMissionTest");
    editor.dialogs.clearRecords();
    click(editor, "Button1");

    QVERIFY(!optionsOf(editor).isVisible());
    QVERIFY(!editor.action(QStringLiteral("AMissionTestCheck")).isChecked());
    QVERIFY(pathControlsEnabled(editor, false));
    QVERIFY(editor.dialogs.messages().empty());
}

void OptionsTest::closingTheWindowKeepsTheUnconfirmedState() {
    EditorFixture editor;
    makeGameFolder(editor);
    showOptions(editor);
    click(editor, "AMissionTest");
    editor.dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
    click(editor, "BrowseGameBtn");
    optionsOf(editor).close();

    QVERIFY(!optionsOf(editor).isVisible());
    QVERIFY(optionsOf(editor).missionTest());
    QCOMPARE(optionsOf(editor).gameFolder(), native("/games/SA/"));
    QVERIFY(!editor.files.fileExists(settingsFile()));
}

void OptionsTest::browsingForTheGameFolderChecksItsFiles() {
    EditorFixture editor;
    showOptions(editor);
    click(editor, "AMissionTest");
    editor.dialogs.clearRecords();
    auto& field = control<QLineEdit>(editor, "AGameDir");

    // A game folder without its main script, and a cancelled chooser.
    editor.files.files[native("/games/SA/gta_sa.exe")] = "MZ";
    editor.dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
    click(editor, "BrowseGameBtn");
    click(editor, "BrowseGameBtn");
    QCOMPARE(editor.dialogs.folderPrompts(),
             QStringList(2, QStringLiteral("Укажите путь к папке с GTA: San Andreas")));
    QCOMPARE(editor.dialogs.messages().size(), size_t{2});
    for (const auto& shown : editor.dialogs.messages()) {
        QCOMPARE(shown.title, QStringLiteral("Quorvane"));
        QCOMPARE(shown.text, QStringLiteral("Указан неверный путь!"));
        QCOMPARE(shown.icon, MessageIcon::Error);
    }
    QVERIFY(field.text().isEmpty());
    QVERIFY(optionsOf(editor).gameFolder().empty());

    makeGameFolder(editor);
    editor.dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
    click(editor, "BrowseGameBtn");
    QCOMPARE(field.text(), QString::fromStdString(native("/games/SA/")));
    QCOMPARE(optionsOf(editor).gameFolder(), native("/games/SA/"));
    QCOMPARE(editor.dialogs.messages().size(), size_t{2});

    // A folder with only the radar map serves the route map, and the user learns what the test
    // run lacks there; the test run need not be on to choose it.
    click(editor, "AMissionTest");
    QVERIFY(control(editor, "BrowseGameBtn").isEnabled());
    editor.files.files[native("/maps/models/gta3.img")] = "VER2";
    editor.dialogs.answerFolder(QString::fromStdString(native("/maps")));
    click(editor, "BrowseGameBtn");
    QCOMPARE(optionsOf(editor).gameFolder(), native("/maps/"));
    QCOMPARE(editor.dialogs.lastMessage().icon, MessageIcon::Information);
    QVERIFY(editor.dialogs.lastMessage().text.contains(QStringLiteral("main.scm")));
}

void OptionsTest::browsingForTheCompilerFolderChecksSanny() {
    EditorFixture editor;
    showOptions(editor);
    click(editor, "AMissionTest");
    editor.dialogs.clearRecords();
    editor.dialogs.answerFolder(QString::fromStdString(native("/sb")));
    click(editor, "BrowseSBBtn");
    QCOMPARE(editor.dialogs.lastMessage().text, QStringLiteral("Указан неверный путь!"));

    editor.files.files[native("/sb/sanny.exe")] = "MZ";
    editor.dialogs.answerFolder(QString::fromStdString(native("/sb")));
    click(editor, "BrowseSBBtn");
    QCOMPARE(editor.dialogs.folderPrompts().back(),
             QStringLiteral("Укажите путь к папке с Sanny Builder"));
    QCOMPARE(control<QLineEdit>(editor, "ASBDir").text(), QString::fromStdString(native("/sb/")));
    QCOMPARE(optionsOf(editor).compilerFolder(), native("/sb/"));
}

void OptionsTest::theCompilersVersionIsShownAndOneBelow300IsWarnedOf() {
    EditorFixture editor;
    editor.files.files[native("/sb4/sanny.exe")] = qv::test::peWithVersion({4, 1, 0, 0}).bytes;
    editor.files.files[native("/sb2/sanny.exe")] = qv::test::peWithVersion({2, 99, 0, 0}).bytes;
    editor.files.files[native("/odd/sanny.exe")] = "MZ, but no program";
    showOptions(editor);
    click(editor, "AMissionTest");
    auto& shown = control<QLabel>(editor, "SBVersion");
    QVERIFY(shown.isHidden());  // no folder yet
    const auto choose = [&](const char* folder) {
        editor.dialogs.clearRecords();
        editor.dialogs.answerFolder(QString::fromStdString(native(folder)));
        click(editor, "BrowseSBBtn");
    };

    choose("/sb4");
    QCOMPARE(shown.text(), QStringLiteral("Sanny Builder 4.1.0"));
    QVERIFY(!shown.isHidden());
    QVERIFY(editor.dialogs.messages().empty());
    choose("/odd");
    QCOMPARE(shown.text(), QStringLiteral("Версия Sanny Builder не определена"));
    QVERIFY(editor.dialogs.messages().empty());
    choose("/sb2");
    QCOMPARE(shown.text(), QStringLiteral("Sanny Builder 2.99.0"));
    QCOMPARE(editor.dialogs.messages().size(), size_t{1});
    QCOMPARE(editor.dialogs.lastMessage().text, Warning);

    // Updated while the window was closed, it is read again when the window opens.
    optionsOf(editor).close();
    editor.files.files[native("/sb2/sanny.exe")] = qv::test::peWithVersion({3, 5, 0, 0}).bytes;
    showOptions(editor);
    QCOMPARE(shown.text(), QStringLiteral("Sanny Builder 3.5.0"));
}

void OptionsTest::aTypedPathIsStoredButNotInEffectUntilRead() {
    EditorFixture editor;
    showOptions(editor);
    click(editor, "AMissionTest");
    auto& field = control<QLineEdit>(editor, "AGameDir");
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("/typed/"));
    click(editor, "Button4");

    QCOMPARE(editor.files.files[settingsFile()],
             std::string("[Main]\r\nMissionTest=1\r\nGameDir=/typed/\r\nSBDir=\r\n"));
    QVERIFY(optionsOf(editor).gameFolder().empty());

    showOptions(editor);
    click(editor, "Button1");
    QCOMPARE(optionsOf(editor).gameFolder(), std::string("/typed/"));
}

void OptionsTest::settingsThatCannotBeWrittenAreAnError() {
    EditorFixture editor;
    editor.files.readOnly.insert(settingsFile() + ".tmp");
    showOptions(editor);
    click(editor, "Button4");
    QVERIFY(!optionsOf(editor).isVisible());
    QCOMPARE(editor.dialogs.lastMessage().text,
             QString::fromStdString("Unable to write to " + settingsFile() + "."));
}

void OptionsTest::theLanguageIsKeptApartAndTheWindowSaysWhenItChanges() {
    EditorFixture editor;
    const std::string mainKeys = "[Main]\r\nMissionTest=1\r\nGameDir=/games/SA/\r\nSBDir=/sb/\r\n";
    editor.files.files[settingsFile()] = mainKeys;
    optionsOf(editor).readSettings();  // as the window read them at start
    showOptions(editor);
    auto& language = control<QComboBox>(editor, "Language");
    const auto& note = control<QLabel>(editor, "LanguageNote");
    const auto choose = [&language](const char* item) {
        language.setCurrentIndex(language.findText(QString::fromUtf8(item)));
    };
    // "Как в системе" is the user's interface language; the program here speaks Russian.
    const bool systemIsRussian = qv::userLanguage() == qv::Language::Russian;
    QCOMPARE(language.currentText(), QStringLiteral("Как в системе / System"));
    QCOMPARE(note.isHidden(), systemIsRussian);

    // Only a language other than the one in use is announced for the next start.
    choose("English");
    QVERIFY(!note.isHidden());
    QVERIFY(!note.text().isEmpty());
    choose("Русский");
    QVERIFY(note.isHidden());
    choose("English");
    click(editor, "Button4");
    const std::string keptEnglish = mainKeys + "[Interface]\r\nLanguage=en\r\n";
    QCOMPARE(editor.files.files[settingsFile()], keptEnglish);

    // Opened again, the window shows the choice kept, still waiting for the next start; the
    // choice left with "Отмена" is not kept.
    showOptions(editor);
    QCOMPARE(language.currentText(), QStringLiteral("English"));
    QVERIFY(!note.isHidden());
    choose("Русский");
    click(editor, "Button1");
    QCOMPARE(language.currentText(), QStringLiteral("English"));
    QCOMPARE(editor.files.files[settingsFile()], keptEnglish);

    showOptions(editor);
    choose("Как в системе / System");
    QCOMPARE(note.isHidden(), systemIsRussian);
    click(editor, "Button4");
    QCOMPARE(editor.files.files[settingsFile()], mainKeys + "[Interface]\r\nLanguage=System\r\n");
}

QTEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
