#include "gamelink/TestRun.h"

#include "gamelink/GameFolders.h"
#include "gamelink/TestRunJournal.h"
#include "gamelink/TestScript.h"
#include "generator/ScriptGenerator.h"
#include "model/Cp1251.h"
#include "model/Error.h"
#include "model/FileMessages.h"
#include "platform/Paths.h"

namespace qv {
namespace {

constexpr std::string_view GameRunningMessage =
    "Чтобы проверить скрипт миссии, переключитесь в GTA: San Andreas и начните новую игру.";
constexpr std::string_view CompilingStatus =
    "Проверка скрипта миссии: Sanny Builder компилирует скрипт...";
constexpr std::string_view WaitingStatus =
    "Идёт проверка скрипта миссии: когда вы закроете GTA: San Andreas, ваш main.scm вернётся "
    "на место.";
constexpr std::size_t LongestLogShown = 3000;

// A step that failed after the game's main script was moved aside; `detail` follows the note
// about the main script in the message.
class StepFailure : public Error {
  public:
    explicit StepFailure(const std::string& problem, std::string detail = {})
        : Error(problem), detail_(std::move(detail)) {}
    const std::string& detail() const { return detail_; }

  private:
    std::string detail_;
};

// `where` is empty for this copy of the program.
std::string alreadyRunningMessage(const std::string& where) {
    return "Проверка скрипта миссии уже идёт" + where +
           ": скрипт построен, но не проверяется. Закройте GTA: San Andreas, чтобы закончить "
           "прошлую проверку, и постройте миссию снова.";
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// Clears the status text however the run ends.
class StatusGuard {
  public:
    explicit StatusGuard(TestRunHost& host) : host_(host) {}
    StatusGuard(const StatusGuard&) = delete;
    StatusGuard& operator=(const StatusGuard&) = delete;
    ~StatusGuard() { host_.showStatus({}); }

  private:
    TestRunHost& host_;
};

// Marks the run as in progress for as long as it lasts.
class InProgressGuard {
  public:
    explicit InProgressGuard(bool& flag) : flag_(flag) { flag_ = true; }
    InProgressGuard(const InProgressGuard&) = delete;
    InProgressGuard& operator=(const InProgressGuard&) = delete;
    ~InProgressGuard() { flag_ = false; }

  private:
    bool& flag_;
};

}  // namespace

struct TestRun::Paths {
    std::string testScript;
    std::string gameScript;
    std::string backup;
    std::string gameFolder;
    std::string gameProgram;
    std::string compilerFolder;
    std::string compiler;
    std::string compilerParameters;
    std::string compileLog;
    std::string journal;
    std::string lock;

    static Paths of(const TestRunFolders& folders) {
        Paths paths;
        paths.testScript = joinPath(folders.working, "Tempscript");
        paths.gameScript = gameScriptPath(folders.game);
        paths.backup = replaceExtension(paths.gameScript, ".BAK");
        paths.gameFolder = folders.game;
        paths.gameProgram = gameProgramPath(folders.game);
        paths.compilerFolder = folders.compiler;
        paths.compiler = compilerPath(folders.compiler);
        // Windows compares file names without case, and the compiler has always been given
        // this spelling; elsewhere the name must match the file written.
        const std::string onCommandLine =
            joinPath(folders.working, FileNamesIgnoreCase ? "TempScript" : "Tempscript");
        paths.compilerParameters =
            "\\compile " + quoted(onCommandLine) + " " + quoted(paths.gameScript);
        paths.compileLog = joinPath(folders.compiler, "compile.log");
        paths.journal = TestRunJournal::pathIn(folders.working);
        paths.lock = TestRunJournal::lockPathIn(folders.working);
        return paths;
    }

    TestRunRecord record(TestRunStage stage) const {
        return {stage, gameScript, backup, testScript};
    }
};

TestRun::TestRun(FileSystem& files, ProcessLauncher& launcher, const GameProcess& game,
                 EventPump& pump, TestRunHost& host, TestRunTiming timing)
    : files_(files), launcher_(launcher), game_(game), pump_(pump), host_(host), timing_(timing) {}

void TestRun::run(const TestRunFolders& folders, const std::vector<std::string>& missionLines,
                  const std::string& labelPrefix) {
    if (inProgress_) {
        throw Error(alreadyRunningMessage(""));
    }
    if (!isGameFolder(files_, folders.game) || !isCompilerFolder(files_, folders.compiler)) {
        throw Error("Ошибка");
    }
    const Paths paths = Paths::of(folders);
    // A working folder that cannot take the lock file cannot take the test script either, and
    // the test script's error says why.
    const LockOutcome lock = files_.lockFile(paths.lock);
    if (lock.heldElsewhere) {
        throw Error(alreadyRunningMessage(" в другой копии программы"));
    }
    const InProgressGuard inProgress(inProgress_);
    closing_ = false;
    const StatusGuard status(host_);
    prepare(paths, missionLines, labelPrefix);
    try {
        compile(paths);
        playGame(paths);
    } catch (const StepFailure& failure) {
        finish(paths, failure.message(), failure.detail());
    } catch (...) {
        try {
            finish(paths, {}, {});
        } catch (...) {  // the first failure is the one to report
        }
        throw;
    }
    finish(paths, {}, {});
}

void TestRun::prepare(const Paths& paths, const std::vector<std::string>& missionLines,
                      const std::string& labelPrefix) {
    TestRunJournal journal(files_, paths.journal);
    if (journal.exists()) {
        throw Error("Прошлая проверка скрипта миссии не закончена: остался её журнал " +
                    journal.path() +
                    ". Перезапустите программу, чтобы вернуть ваш main.scm на место.");
    }
    if (files_.fileExists(paths.backup)) {
        throw Error("В папке игры уже есть файл " + paths.backup +
                    " — возможно, это ваш main.scm, оставшийся от прерванной проверки. Проверка "
                    "скрипта миссии отменена, чтобы не вернуть этот файл поверх нынешнего "
                    "main.scm: сравните файлы и уберите или переименуйте лишний.");
    }
    const std::string text = joinLines(testScriptLines(missionLines, labelPrefix));
    if (const IoStatus written =
            files_.writeFile(paths.testScript, encodeCp1251File(text, paths.testScript));
        !written) {
        throw Error(cannotCreateFileMessage(paths.testScript, written.reason));
    }
    if (const IoStatus recorded = journal.record(paths.record(TestRunStage::Prepared)); !recorded) {
        throw Error(cannotCreateFileMessage(paths.journal, recorded.reason));
    }
    files_.moveFile(paths.gameScript, paths.backup);
    // Moved means under the backup name alone. A move that stopped half-way with the script under
    // both names (a hard link whose source could not be removed) is no move: through the shared
    // file, the compiler's output would overwrite the backup too.
    if (!files_.fileExists(paths.backup) || files_.fileExists(paths.gameScript)) {
        journal.clear();
        throw Error("Ошибка");
    }
    if (const IoStatus recorded = journal.record(paths.record(TestRunStage::Moved)); !recorded) {
        // The first record still tells the next start what to undo if this fails too.
        if (restoreGameScript(files_, paths.record(TestRunStage::Moved)).status) {
            journal.clear();
        }
        throw Error(cannotCreateFileMessage(paths.journal, recorded.reason));
    }
}

void TestRun::compile(const Paths& paths) {
    // A log left by an earlier compilation would be taken for this one's.
    files_.removeFile(paths.compileLog);
    host_.showStatus(std::string(CompilingStatus));
    const StartOutcome compiler = launcher_.start(
        {paths.compiler, paths.compilerParameters, paths.compilerFolder, WindowShow::Minimized});
    if (!compiler.process) {
        throw StepFailure("Не удалось запустить Sanny Builder (" + paths.compiler +
                          "): " + compiler.failure + ".");
    }
    for (std::chrono::milliseconds waited{0}; !compiler.process->hasExited();
         waited += timing_.poll) {
        if (waited >= timing_.compilerTimeout) {
            compiler.process->terminate();
            throw StepFailure("Sanny Builder не закончил компиляцию за " +
                              std::to_string(timing_.compilerTimeout.count() / 1000) +
                              " с и был остановлен; игра не запущена.");
        }
        // Closing the program does not stop this wait: the compiler's output must be in place
        // before the user's script goes back.
        closing_ = !pump_.pumpFor(timing_.poll) || closing_;
    }
    if (files_.fileExists(paths.gameScript)) {
        return;
    }
    std::string log;
    if (files_.fileExists(paths.compileLog) && files_.readFile(paths.compileLog, log)) {
        log = decodeCp1251(log.substr(0, LongestLogShown));
    }
    throw StepFailure(
        "Sanny Builder не создал " + paths.gameScript +
            ", поэтому игра не запущена. Если Sanny Builder был уже открыт, закройте его и "
            "постройте миссию снова.",
        log.empty() ? std::string()
                    : "Сообщение Sanny Builder (" + paths.compileLog + "):\n" + log);
}

void TestRun::playGame(const Paths& paths) {
    if (closing_) {
        return;
    }
    std::unique_ptr<StartedProcess> started;
    if (game_.gameWindowExists()) {
        host_.showInformation(std::string(GameRunningMessage));
    } else {
        StartOutcome game =
            launcher_.start({paths.gameProgram, {}, paths.gameFolder, WindowShow::Normal});
        if (!game.process) {
            throw StepFailure("Не удалось запустить GTA: San Andreas (" + paths.gameProgram +
                              "): " + game.failure + ".");
        }
        started = std::move(game.process);
    }
    host_.showStatus(std::string(WaitingStatus));
    // The game counts as running while its window exists or the process started for it lives;
    // a game that shows no window within the grace time and has ended is not waited for.
    for (std::chrono::milliseconds waited{0};; waited += timing_.poll) {
        // Asking the started process first also reaps it once it has ended, so that it no
        // longer counts as a running game.
        const bool processRuns = started != nullptr && !started->hasExited();
        const bool running = processRuns || game_.gameWindowExists();
        if (!running && waited >= timing_.gameStartGrace) {
            return;
        }
        // A program that closes while the game runs puts the user's script back on its way
        // out; the game has loaded its script by then.
        if (!pump_.pumpFor(timing_.poll)) {
            return;
        }
    }
}

void TestRun::finish(const Paths& paths, const std::string& problem, const std::string& detail) {
    const RestoreOutcome restore = restoreGameScript(files_, paths.record(TestRunStage::Moved));
    std::string message = problem;
    if (restore.status) {
        files_.removeFile(paths.testScript);
        TestRunJournal(files_, paths.journal).clear();
        if (!message.empty()) {
            message += " Ваш main.scm возвращён на место.";
        }
    } else {
        // The journal stays, so that the next start puts the main script back.
        message += std::string(message.empty() ? "Проверка скрипта миссии закончена, но в" : " В") +
                   "ернуть ваш main.scm на место не удалось (" + restore.status.reason +
                   "): он сохранён как " + paths.backup +
                   ", программа вернёт его при следующем запуске.";
    }
    if (!detail.empty()) {
        message += "\n\n" + detail;
    }
    if (!message.empty()) {
        throw Error(message);
    }
}

}  // namespace qv
