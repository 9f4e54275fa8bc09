#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "ExampleMissions.h"
#include "LanguageScope.h"
#include "model/Mission.h"
#include "model/ProjectFile.h"
#include "platform/FileSystem.h"

// quorvane-cli speaks the user's language as the locale names it: English under an English
// locale, Russian under a Russian one, and what it writes into files is the same in both.

namespace qv::test {
namespace {

namespace fs = std::filesystem;

const std::string Sprint = QV_EXAMPLES_DIR "/lssprint.qvnx";
const std::string Circuit = QV_EXAMPLES_DIR "/lvcircuit.qvnx";

const char* const English = "en_US.UTF-8";
const char* const Russian = "ru_RU.UTF-8";

// The lines of `text` that hold a Cyrillic letter, each ending in a line feed; empty when there
// is none.
std::string cyrillicLines(const std::string& text) {
    std::string found;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (hasCyrillic(line)) {
            found += line + "\n";
        }
    }
    return found;
}
class CliLanguage : public CliRun {
  protected:
    // Runs the CLI through a shell with LANG=`locale` and neither LC_ALL nor LC_MESSAGES set.
    Outcome cli(const char* locale, const std::vector<std::string>& arguments) {
        environment = "env -u LC_ALL -u LC_MESSAGES LANG=" + std::string(locale);
        return CliRun::cli(arguments);
    }

    std::string save(const Mission& mission, const char* name) const {
        const std::string path = (dir / name).string();
        saveProject(mission, path, systemFileSystem());
        return path;
    }

    // Every command line of the cases below that ends in an error, a warning or help.
    std::vector<std::vector<std::string>> spokenCases() const {
        std::vector<std::vector<std::string>> cases = {
            // help
            {"--help"},
            {"build", Sprint, "--help"},
            // usage errors
            {},
            {"compile", Sprint},
            {"build"},
            {"build", Sprint, "--fast"},
            {"build", Sprint, "--laps", "0"},
            {"build", Sprint, "--laps", "21"},
            {"build", Sprint, "--laps"},
            {"build", Sprint, "--timestamp"},
            {"check", Sprint, "-o", "x"},
            {"save-as", Sprint},
            {"info", Sprint, Circuit},
            {"record", Sprint, "--tolerance", "-1"},
            {"record", Sprint, "--seconds", "x"},
            // the summary of a project
            {"info", Sprint},
            {"info", Circuit},
            // files that cannot be read or written
            {"info", (dir / "missing.qvnx").string()},
            {"info", dir.string()},
            {"build", (dir / "junk.qvnx").string()},
            {"build", Sprint, "-o", (dir / "no" / "such" / "dir.txt").string()},
            {"save-as", Sprint, (dir / "no" / "such" / "copy.qvnx").string()},
            // no game to record from (the test holds the game's lock)
            {"record", (dir / "warned.qvnx").string(), "--seconds", "1"},
        };
        for (const std::string& project : checkFailures_) {
            cases.push_back({"check", project});
            cases.push_back({"build", project});
        }
        cases.push_back({"check", warned_});
        return cases;
    }

    // Projects that fail each rule of the input check, one that builds with warnings, and a
    // file that is no project at all.
    void makeProjects() {
        std::ofstream(dir / "junk.qvnx", std::ios::binary) << std::string("\0\xFF[[=\n", 6);
        std::ofstream(dir / "junk.qvnx.cars", std::ios::binary) << "x\n\t\t\ty";
        std::ofstream(dir / "junk.qvnx.checkps", std::ios::binary) << "";

        Mission sprint;
        fillLosSantosSprint(sprint);
        const auto variant = [&](const char* name, auto change) {
            Mission mission;
            fillLosSantosSprint(mission);
            change(mission);
            checkFailures_.push_back(save(mission, name));
        };
        variant("start.qvnx", [](Mission& m) {
            MissionParameters p = m.parameters();
            p.AStartX = "east";
            m.setParameters(p);
        });
        variant("onecar.qvnx", [](Mission& m) {
            while (m.carCount() > 1) {
                m.removeRow(MissionPart::Cars, m.carCount());
            }
        });
        variant("nomodel.qvnx", [](Mission& m) {
            CarEntry car = m.car(2);
            car.Model.clear();
            m.changeCar(2, car);
        });
        variant("badmodel.qvnx", [](Mission& m) {
            CarEntry car = m.car(2);
            car.Model = "ELEGY!";
            m.changeCar(2, car);
        });
        variant("nocheckpoint.qvnx", [](Mission& m) {
            while (m.checkpointCount() > 0) {
                m.removeRow(MissionPart::Checkpoints, m.checkpointCount());
            }
        });
        variant("onecheckpoint.qvnx", [](Mission& m) {
            while (m.checkpointCount() > 1) {
                m.removeRow(MissionPart::Checkpoints, m.checkpointCount());
            }
            MissionParameters p = m.parameters();
            p.ARaceType = qv::Circuit;
            m.setParameters(p);
        });

        Mission warned;
        fillLosSantosSprint(warned);
        CarEntry car = warned.car(2);
        car.Model = "411";
        warned.changeCar(2, car);
        warned.appendCheckpoint(warned.checkpoint(warned.checkpointCount()), "Гоночный ");
        warned.appendObject({"1225", "1.0", "2.0", "3.0", "0.0"});
        warned_ = save(warned, "warned.qvnx");
    }

    fs::path dir;

  private:
    std::vector<std::string> checkFailures_;
    std::string warned_;
};

std::string shown(const std::vector<std::string>& arguments) {
    std::string line = "quorvane-cli";
    for (const auto& argument : arguments) {
        line += " " + argument;
    }
    return line;
}

TEST_F(CliLanguage, UnderAnEnglishLocaleHelpErrorsAndWarningsHaveNoCyrillic) {
    makeProjects();
    int spoken = 0;
    for (const auto& arguments : spokenCases()) {
        const Outcome english = cli(English, arguments);
        const Outcome russian = cli(Russian, arguments);
        EXPECT_FALSE(english.out.empty() && english.err.empty()) << shown(arguments);
        EXPECT_EQ(english.status, russian.status) << shown(arguments);
        const std::string russianOut = cyrillicLines(english.out);
        const std::string russianErr = cyrillicLines(english.err);
        EXPECT_TRUE(russianOut.empty())
            << "LANG=" << English << " " << shown(arguments) << " printed:\n"
            << russianOut;
        EXPECT_TRUE(russianErr.empty())
            << "LANG=" << English << " " << shown(arguments) << " reported:\n"
            << russianErr;
        spoken += !cyrillicLines(russian.out + russian.err).empty();
    }
    // The Russian texts are still Russian (the CLI's own tests hold their words).
    EXPECT_GT(spoken, 10);
    const Outcome russianCheck = cli(Russian, {"check", (dir / "start.qvnx").string()});
    EXPECT_EQ(russianCheck.err, "Неверно заполнены стартовые координаты\n");
}

TEST_F(CliLanguage, WhatTheCliWritesIsTheSameInEitherLanguage) {
    for (const std::string& project : {Sprint, Circuit}) {
        std::string written[2];
        std::string printed[2];
        for (int i = 0; i < 2; ++i) {
            const char* locale = i == 0 ? Russian : English;
            const fs::path folder = dir / (i == 0 ? "ru" : "en");
            fs::create_directories(folder);
            const std::string script = (folder / "script.txt").string();
            const std::string test = (folder / "test.txt").string();
            const std::string copy = (folder / "copy.qvnx").string();
            const std::string stamp = "01.06.2026 18:30:00";
            ASSERT_EQ(cli(locale, {"build", project, "-o", script, "--timestamp", stamp}).status,
                      0);
            ASSERT_EQ(
                cli(locale, {"build", project, "--test-script", "-o", test, "--timestamp", stamp})
                    .status,
                0);
            ASSERT_EQ(cli(locale, {"save-as", project, copy}).status, 0);
            printed[i] = cli(locale, {"build", project, "--timestamp", stamp}).out;
            for (const char* suffix : {"", ".cars", ".checkps", ".objects", ".events"}) {
                written[i] += std::string(suffix) + ":" + fileText(copy + suffix) + "\n";
            }
            written[i] += fileText(script) + fileText(test);
        }
        EXPECT_TRUE(written[0] == written[1]) << project;
        EXPECT_TRUE(printed[0] == printed[1]) << project;
        EXPECT_GT(written[0].size(), 1000u);
    }
}

}  // namespace
}  // namespace qv::test
