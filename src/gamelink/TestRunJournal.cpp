#include "gamelink/TestRunJournal.h"

#include <map>
#include <sstream>

#include "platform/Paths.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::string_view Header = "Quorvane test run";
// A journal is a dozen short lines.
constexpr std::uint64_t LargestJournal = 64u << 10;

std::string stageName(TestRunStage stage) {
    return stage == TestRunStage::Moved ? "moved" : "prepared";
}

std::optional<TestRunStage> stageNamed(const std::string& name) {
    if (name == "moved") {
        return TestRunStage::Moved;
    }
    if (name == "prepared") {
        return TestRunStage::Prepared;
    }
    return std::nullopt;
}

std::string identityText(const ProcessIdentity& identity) {
    return std::to_string(identity.id) + " " + std::to_string(identity.started);
}

ProcessIdentity identityOf(const std::string& text) {
    ProcessIdentity identity;
    std::istringstream fields(text);
    if (!(fields >> identity.id >> identity.started)) {
        return {};
    }
    return identity;
}

}  // namespace

TestRunJournal::TestRunJournal(FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)) {}

std::string TestRunJournal::pathIn(const std::string& workingFolder) {
    return joinPath(workingFolder, "testrun.journal");
}

std::string TestRunJournal::lockPathIn(const std::string& workingFolder) {
    return joinPath(workingFolder, "testrun.lock");
}

bool TestRunJournal::exists() const {
    return files_.fileExists(path_);
}

IoStatus TestRunJournal::record(const TestRunRecord& record) {
    std::string text(Header);
    text += "\nstage=" + stageName(record.stage);
    text += "\nscript=" + record.gameScript;
    text += "\nbackup=" + record.backup;
    text += "\ntest=" + record.testScript + "\n";
    for (const auto& [key, process] :
         {std::pair{"compiler", record.compiler}, {"game", record.game}}) {
        if (process) {
            text += std::string(key) + "=" + identityText(process) + "\n";
        }
    }
    for (const auto& [key, program] : {std::pair{"compiler-starting", &record.compilerStarting},
                                       {"game-starting", &record.gameStarting}}) {
        if (!program->empty()) {
            text += std::string(key) + "=" + *program + "\n";
        }
    }
    return writeFileAtomically(files_, path_, text);
}

std::optional<TestRunRecord> TestRunJournal::read(std::string* unreadable) const {
    std::string text;
    if (const IoStatus status = files_.readFile(path_, text, LargestJournal); !status) {
        if (unreadable != nullptr) {
            *unreadable = status.reason.empty() ? std::string("?") : status.reason;
        }
        return std::nullopt;
    }
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != Header) {
        return std::nullopt;
    }
    std::map<std::string, std::string> values;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            values.emplace(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    const std::optional<TestRunStage> stage = stageNamed(values["stage"]);
    TestRunRecord record{stage.value_or(TestRunStage::Prepared),
                         values["script"],
                         values["backup"],
                         values["test"],
                         identityOf(values["compiler"]),
                         identityOf(values["game"]),
                         values["compiler-starting"],
                         values["game-starting"]};
    if (!stage || record.gameScript.empty() || record.backup.empty()) {
        return std::nullopt;
    }
    return record;
}

void TestRunJournal::clear() {
    files_.removeFile(path_);
}

RestoreOutcome restoreGameScript(FileSystem& files, const TestRunRecord& record) {
    if (!files.fileExists(record.backup)) {
        return {};  // the main script never left its place, or is back already
    }
    if (record.stage == TestRunStage::Prepared && files.fileExists(record.gameScript)) {
        return {};  // the move did not happen, so the backup is not the run's
    }
    return {true, files.replaceFile(record.backup, record.gameScript)};
}

RecoveryOutcome recoverInterruptedTestRun(FileSystem& files, const ProcessLauncher& processes,
                                          const std::string& workingFolder) {
    TestRunJournal journal(files, TestRunJournal::pathIn(workingFolder));
    if (!journal.exists()) {
        return {};
    }
    // Undoing a run that is still going on would put the user's script back only for the
    // compiler to write over it.
    const LockOutcome lock = files.lockFile(TestRunJournal::lockPathIn(workingFolder));
    if (lock.heldElsewhere) {
        return {};
    }
    std::string unreadable;
    const std::optional<TestRunRecord> record = journal.read(&unreadable);
    if (!unreadable.empty()) {
        // Held by another program or barred for now: it may still be the only word on where
        // the user's script is.
        return {formatText(translate("TestRunJournal",
                                     "Журнал прерванной проверки скрипта миссии (%1) сейчас не "
                                     "прочитать: %2. Программа попробует снова при следующем "
                                     "запуске; до тех пор проверьте, что в папке игры на месте "
                                     "ваш main.scm: он мог остаться под именем main.BAK."),
                           {journal.path(), unreadable}),
                {}};
    }
    if (!record) {
        journal.clear();
        return {formatText(translate("TestRunJournal",
                                     "Найден повреждённый журнал прерванной проверки скрипта "
                                     "миссии (%1). Проверьте, что в папке игры на месте ваш "
                                     "main.scm: он мог остаться под именем main.BAK."),
                           {journal.path()}),
                {}};
    }
    // The program that died left these running: a compiler still writes the game's main.scm,
    // a game still reads it.
    // A program whose start was under way is known by its file alone.
    const auto runs = [&](const ProcessIdentity& process, const std::string& starting) {
        return processes.isRunning(process) ||
               (!starting.empty() && processes.isProgramRunning(starting));
    };
    if (runs(record->compiler, record->compilerStarting)) {
        return {{}, "Sanny Builder"};
    }
    if (runs(record->game, record->gameStarting)) {
        return {{}, "GTA: San Andreas"};
    }
    const RestoreOutcome outcome = restoreGameScript(files, *record);
    if (!outcome.status) {
        return {formatText(translate("TestRunJournal",
                                     "Прошлая проверка скрипта миссии была прервана, и вернуть "
                                     "ваш main.scm на место не удалось: %1. Ваш скрипт сохранён "
                                     "как %2; программа попробует вернуть его при следующем "
                                     "запуске."),
                           {outcome.status.reason, record->backup}),
                {}};
    }
    if (!record->testScript.empty()) {
        files.removeFile(record->testScript);
    }
    journal.clear();
    if (!outcome.restored) {
        return {};
    }
    return {formatText(translate("TestRunJournal",
                                 "Прошлая проверка скрипта миссии была прервана. "
                                 "Ваш main.scm возвращён на место: %1"),
                       {record->gameScript}),
            {}};
}

}  // namespace qv
