#include "gamelink/TestRun.h"

#include "gamelink/CompilerCommand.h"
#include "gamelink/GameFolders.h"
#include "gamelink/TestRunJournal.h"
#include "gamelink/TestScript.h"
#include "generator/ScriptGenerator.h"
#include "model/Cp1251.h"
#include "model/Error.h"
#include "model/FileMessages.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace qv {
namespace {

constexpr std::size_t LongestLogShown = 3000;
// Sanny Builder's log of one compile is a few lines; a larger file is not its log.
constexpr std::uint64_t LargestLog = 1u << 20;

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

// `elsewhere` when another copy of the program runs it.
std::string alreadyRunningMessage(bool elsewhere) {
    return elsewhere ? translate("TestRun",
                                 "Проверка скрипта миссии уже идёт в другой копии программы: "
                                 "скрипт построен, но не проверяется. Закройте GTA: San Andreas, "
                                 "чтобы закончить прошлую проверку, и постройте миссию снова.")
                     : translate("TestRun",
                                 "Проверка скрипта миссии уже идёт: скрипт построен, но не "
                                 "проверяется. Закройте GTA: San Andreas, чтобы закончить "
                                 "прошлую проверку, и постройте миссию снова.");
}

// A test run that lacks a folder or a program: "Ошибка." and what is missing, and where the
// user sets it.
void checkFolders(const FileSystem& files, const TestRunFolders& folders) {
    const auto missing = [](const std::string& what) {
        throw Error(formatText(
            translate("TestRun", "Ошибка.\n%1: «Файл» → «Настройки программы...» (F10)"), {what}));
    };
    if (folders.game.empty()) {
        missing(translate("TestRun", "Не задана папка игры"));
    }
    if (folders.compiler.empty()) {
        missing(translate("TestRun", "Не задана папка Sanny Builder"));
    }
    for (const std::string& file : {gameProgramPath(folders.game), gameScriptPath(folders.game),
                                    compilerPath(folders.compiler)}) {
        if (!files.fileExists(file)) {
            missing(formatText(translate("TestRun", "Нет файла %1"), {file}));
        }
    }
}

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

    // `compiler` is the version of the compiler in the folders, if known.
    static Paths of(const TestRunFolders& folders, const std::optional<ProgramVersion>& compiler) {
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
        paths.compilerParameters = compileParameters(compiler, onCommandLine, paths.gameScript);
        paths.compileLog = joinPath(folders.compiler, "compile.log");
        paths.journal = TestRunJournal::pathIn(folders.working);
        paths.lock = TestRunJournal::lockPathIn(folders.working);
        return paths;
    }

    TestRunRecord record(TestRunStage stage) const {
        return {stage, gameScript, backup, testScript, {}, {}, {}, {}};
    }
};

struct TestRun::Active {
    enum class Stage { Compiling, Playing };

    Paths paths;
    std::unique_ptr<FileLock> lock;
    Stage stage = Stage::Compiling;
    std::chrono::milliseconds waited{0};  // in this stage
    std::unique_ptr<StartedProcess> compiler;
    std::unique_ptr<StartedProcess> game;
};

TestRun::TestRun(FileSystem& files, ProcessLauncher& launcher, const GameProcess& game,
                 TestRunHost& host, TestRunTiming timing)
    : files_(files), launcher_(launcher), game_(game), host_(host), timing_(std::move(timing)) {}

TestRun::~TestRun() = default;

void TestRun::start(const TestRunFolders& folders, const std::vector<std::string>& missionLines,
                    const std::string& labelPrefix) {
    if (active_) {
        throw Error(alreadyRunningMessage(false));
    }
    checkFolders(files_, folders);
    Paths paths = Paths::of(folders, compilerVersion(files_, folders.compiler));
    // Unlocked, another copy of the program could run beside this one or undo it as
    // interrupted: no run without the lock.
    LockOutcome lock = files_.lockFile(paths.lock);
    if (lock.heldElsewhere) {
        throw Error(alreadyRunningMessage(true));
    }
    if (!lock.lock) {
        throw Error(cannotCreateFileMessage(paths.lock, lock.failure));
    }
    prepare(paths, missionLines, labelPrefix);
    active_ =
        std::make_unique<Active>(Active{std::move(paths), std::move(lock.lock), {}, {}, {}, {}});
    guarded([this] {
        startCompiler();
        advance();
    });
}

void TestRun::step() {
    if (!active_) {
        return;
    }
    active_->waited += timing_.poll;
    guarded([this] { advance(); });
}

void TestRun::finishNow() {
    if (!active_) {
        return;
    }
    guarded([this] {
        // The compiler's output must be in place before the user's script goes back.
        if (active_->stage == Active::Stage::Compiling) {
            while (!compilerDone()) {
                timing_.sleep(timing_.poll);
                active_->waited += timing_.poll;
            }
            checkCompiled();
        }
        // The game has loaded its script by now; the user's goes back on the program's way out.
        finish({}, {});
    });
}

template <typename Action>
void TestRun::guarded(Action action) {
    try {
        action();
    } catch (const StepFailure& failure) {
        finish(failure.message(), failure.detail());
    } catch (...) {
        try {
            finish({}, {});
        } catch (...) {  // the first failure is the one to report
        }
        throw;
    }
}

void TestRun::advance() {
    while (active_) {
        if (active_->stage == Active::Stage::Compiling) {
            if (!compilerDone()) {
                return;
            }
            checkCompiled();
            startGame();
        } else {
            if (!gameDone()) {
                return;
            }
            finish({}, {});
        }
    }
}

// Records the programs the run has started, and the one about to start, if any: should the
// program die while the system starts it, the next start still knows what to wait for.
void TestRun::record(const std::string& compilerStarting, const std::string& gameStarting) {
    TestRunRecord record = active_->paths.record(TestRunStage::Moved);
    record.compilerStarting = compilerStarting;
    record.gameStarting = gameStarting;
    if (active_->compiler) {
        record.compiler = active_->compiler->identity();
    }
    if (active_->game) {
        record.game = active_->game->identity();
    }
    if (const IoStatus recorded = TestRunJournal(files_, active_->paths.journal).record(record);
        !recorded) {
        throw StepFailure(cannotCreateFileMessage(active_->paths.journal, recorded.reason));
    }
}

void TestRun::prepare(const Paths& paths, const std::vector<std::string>& missionLines,
                      const std::string& labelPrefix) {
    TestRunJournal journal(files_, paths.journal);
    if (journal.exists()) {
        throw Error(formatText(translate("TestRun",
                                         "Прошлая проверка скрипта миссии не закончена: остался "
                                         "её журнал %1. Перезапустите программу, чтобы вернуть "
                                         "ваш main.scm на место."),
                               {journal.path()}));
    }
    if (files_.fileExists(paths.backup)) {
        throw Error(formatText(
            translate("TestRun",
                      "В папке игры уже есть файл %1 — возможно, это ваш main.scm, оставшийся от "
                      "прерванной проверки. Проверка скрипта миссии отменена, чтобы не вернуть "
                      "этот файл поверх нынешнего main.scm: сравните файлы и уберите или "
                      "переименуйте лишний."),
            {paths.backup}));
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
    const IoStatus moved = files_.moveFile(paths.gameScript, paths.backup);
    // Moved means under the backup name alone. A move that stopped half-way with the script under
    // both names (a hard link whose source could not be removed) is no move: through the shared
    // file, the compiler's output would overwrite the backup too.
    if (!files_.fileExists(paths.backup) || files_.fileExists(paths.gameScript)) {
        journal.clear();
        const std::string reason =
            moved ? translate("TestRun", "файл остался под обоими именами") : moved.reason;
        throw Error(
            formatText(translate("TestRun", "Ошибка.\nНе удалось переименовать %1 в %2: %3"),
                       {paths.gameScript, paths.backup, reason}));
    }
    if (const IoStatus recorded = journal.record(paths.record(TestRunStage::Moved)); !recorded) {
        // The first record still tells the next start what to undo if this fails too.
        if (restoreGameScript(files_, paths.record(TestRunStage::Moved)).status) {
            journal.clear();
        }
        throw Error(cannotCreateFileMessage(paths.journal, recorded.reason));
    }
}

void TestRun::startCompiler() {
    const Paths& paths = active_->paths;
    // A log left by an earlier compilation would be taken for this one's.
    files_.removeFile(paths.compileLog);
    host_.showStatus(
        translate("TestRun", "Проверка скрипта миссии: Sanny Builder компилирует скрипт..."));
    record(paths.compiler, {});
    StartOutcome compiler = launcher_.start(
        {paths.compiler, paths.compilerParameters, paths.compilerFolder, WindowShow::Minimized});
    if (!compiler.process) {
        throw StepFailure(
            formatText(translate("TestRun", "Не удалось запустить Sanny Builder (%1): %2."),
                       {paths.compiler, compiler.failure}));
    }
    active_->compiler = std::move(compiler.process);
    // Should the program die now, the next start waits for this compiler before it puts main.scm
    // back: the compiler would write over it.
    try {
        record({}, {});
    } catch (const StepFailure&) {
        active_->compiler->terminate();
        throw;
    }
}

bool TestRun::compilerDone() {
    if (active_->compiler->hasExited()) {
        return true;
    }
    if (active_->waited >= timing_.compilerTimeout) {
        active_->compiler->terminate();
        throw StepFailure(formatText(translate("TestRun",
                                               "Sanny Builder не закончил компиляцию за %1 с и был "
                                               "остановлен; игра не запущена."),
                                     {std::to_string(timing_.compilerTimeout.count() / 1000)}));
    }
    return false;
}

void TestRun::checkCompiled() {
    const Paths& paths = active_->paths;
    if (files_.fileExists(paths.gameScript)) {
        return;
    }
    std::string log;
    if (files_.fileExists(paths.compileLog) && files_.readFile(paths.compileLog, log, LargestLog)) {
        log = decodeCp1251(log.substr(0, LongestLogShown));
    }
    throw StepFailure(formatText(translate("TestRun",
                                           "Sanny Builder не создал %1, поэтому игра не запущена. "
                                           "Если Sanny Builder был уже открыт, закройте его и "
                                           "постройте миссию снова."),
                                 {paths.gameScript}),
                      log.empty()
                          ? std::string()
                          : formatText(translate("TestRun", "Сообщение Sanny Builder (%1):\n%2"),
                                       {paths.compileLog, log}));
}

void TestRun::startGame() {
    const Paths& paths = active_->paths;
    if (game_.gameWindowExists()) {
        host_.showInformation(translate("TestRun",
                                        "Чтобы проверить скрипт миссии, переключитесь в "
                                        "GTA: San Andreas и начните новую игру."));
    } else {
        record({}, paths.gameProgram);
        StartOutcome game =
            launcher_.start({paths.gameProgram, {}, paths.gameFolder, WindowShow::Normal});
        if (!game.process) {
            throw StepFailure(
                formatText(translate("TestRun", "Не удалось запустить GTA: San Andreas (%1): %2."),
                           {paths.gameProgram, game.failure}));
        }
        active_->game = std::move(game.process);
        // The game reads main.scm as it starts a new game: the next start after a crash waits
        // for it too.
        record({}, {});
    }
    host_.showStatus(translate("TestRun",
                               "Идёт проверка скрипта миссии: когда вы закроете "
                               "GTA: San Andreas, ваш main.scm вернётся на место."));
    active_->stage = Active::Stage::Playing;
    active_->waited = {};
}

bool TestRun::gameDone() {
    // The game counts as running while its window exists or the process started for it lives;
    // a game that shows no window within the grace time and has ended is not waited for.
    // Asking the started process first also reaps it once it has ended, so that it no longer
    // counts as a running game.
    const bool processRuns = active_->game != nullptr && !active_->game->hasExited();
    const bool running = processRuns || game_.gameWindowExists();
    return !running && active_->waited >= timing_.gameStartGrace;
}

void TestRun::finish(const std::string& problem, const std::string& detail) {
    if (!active_) {
        return;
    }
    // The run is over whatever happens below; the lock goes after the journal.
    const std::unique_ptr<Active> ending = std::move(active_);
    const Paths& paths = ending->paths;
    host_.showStatus({});
    const RestoreOutcome restore = restoreGameScript(files_, paths.record(TestRunStage::Moved));
    std::string message = problem;
    if (restore.status) {
        files_.removeFile(paths.testScript);
        TestRunJournal(files_, paths.journal).clear();
        if (!message.empty()) {
            message =
                formatText(translate("TestRun", "%1 Ваш main.scm возвращён на место."), {message});
        }
    } else if (message.empty()) {
        // The journal stays, so that the next start puts the main script back.
        message = formatText(translate("TestRun",
                                       "Проверка скрипта миссии закончена, но вернуть ваш main.scm "
                                       "на место не удалось (%1): он сохранён как %2, программа "
                                       "вернёт его при следующем запуске."),
                             {restore.status.reason, paths.backup});
    } else {
        message = formatText(translate("TestRun",
                                       "%1 Вернуть ваш main.scm на место не удалось (%2): он "
                                       "сохранён как %3, программа вернёт его при следующем "
                                       "запуске."),
                             {message, restore.status.reason, paths.backup});
    }
    if (!detail.empty()) {
        message += "\n\n" + detail;
    }
    if (!message.empty()) {
        throw Error(message);
    }
}

}  // namespace qv
