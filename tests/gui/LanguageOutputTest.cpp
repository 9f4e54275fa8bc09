#include <QTest>
#include <fstream>
#include <map>
#include <sstream>

#include "EditorFixture.h"
#include "NativePath.h"

// What the editor writes (the mission script, the project files, settings.ini) does not depend
// on the language it speaks.

using namespace qv;
using namespace qv::test;

namespace {

const char* const Examples[] = {"lssprint", "lvcircuit"};
const char* const ProjectSuffixes[] = {"", ".cars", ".checkps", ".objects", ".events"};

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

QString path(const char* folder, const char* name, const char* suffix) {
    return QString::fromStdString(native(std::string(folder) + name + suffix));
}

// Opens each example, builds its script and saves script and project through the editor's
// dialogs, then confirms the options with both folders chosen; every file written then, by
// path.
std::map<std::string, std::string> writtenIn(Language language) {
    EditorFixture editor(language);
    for (const char* name : Examples) {
        for (const char* suffix : ProjectSuffixes) {
            const std::string example = std::string(QV_EXAMPLES_DIR "/") + name + ".qvnx" + suffix;
            if (std::ifstream(example).good()) {
                editor.files.files[path("/examples/", name, ".qvnx").toStdString() + suffix] =
                    bytesOf(example);
            }
        }
    }
    const std::map<std::string, std::string> given = editor.files.files;

    editor.showMainWindow();
    for (const char* name : Examples) {
        editor.dialogs.answerOpenFile(path("/examples/", name, ".qvnx"));
        editor.action(QStringLiteral("OpenAction")).trigger();
        editor.press(QKeySequence(Qt::Key_F5));
        editor.dialogs.answerSaveFile(path("/out/", name, ".txt"));
        editor.click(QStringLiteral("SaveScriptBtn"));
        editor.dialogs.answerSaveFile(path("/out/", name, ".qvnx"));
        editor.action(QStringLiteral("SaveAsAction")).trigger();
    }
    editor.files.files[native("/games/SA/gta_sa.exe")] = "MZ";
    editor.files.files[native("/games/SA/data/script/main.scm")] = "script";
    editor.files.files[native("/sb/sanny.exe")] = "MZ";
    editor.action(QStringLiteral("OptionsAction")).trigger();
    editor.click(QStringLiteral("AMissionTest"));
    editor.dialogs.answerFolder(QString::fromStdString(native("/games/SA")));
    editor.click(QStringLiteral("BrowseGameBtn"));
    editor.dialogs.answerFolder(QString::fromStdString(native("/sb")));
    editor.click(QStringLiteral("BrowseSBBtn"));
    editor.click(QStringLiteral("Button4"));

    std::map<std::string, std::string> written;
    for (const auto& [file, bytes] : editor.files.files) {
        const auto before = given.find(file);
        if (before == given.end() || before->second != bytes) {
            written[file] = bytes;
        }
    }
    return written;
}

}  // namespace

class LanguageOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void theEditorWritesTheSameBytesInEitherLanguage();
};

void LanguageOutputTest::theEditorWritesTheSameBytesInEitherLanguage() {
    const std::map<std::string, std::string> russian = writtenIn(Language::Russian);
    const std::map<std::string, std::string> english = writtenIn(Language::English);
    // Two scripts, the two projects with their files, and the settings.
    QVERIFY(russian.size() >= 11);
    QVERIFY(russian.count(native("/races/settings.ini")) == 1);
    for (const char* name : Examples) {
        QVERIFY(russian.at(path("/out/", name, ".txt").toStdString()).size() > 1000);
    }
    for (const auto& [file, bytes] : russian) {
        QVERIFY2(english.count(file) == 1, file.c_str());
        QVERIFY2(english.at(file) == bytes, ("differs in English: " + file).c_str());
    }
    QCOMPARE(english.size(), russian.size());
}

QTEST_MAIN(LanguageOutputTest)
#include "LanguageOutputTest.moc"
