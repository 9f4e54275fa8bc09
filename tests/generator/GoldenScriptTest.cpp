#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "GoldenMissions.h"
#include "generator/ScriptGenerator.h"

namespace qv {
namespace {

std::string readGolden(const std::string& name) {
    std::ifstream in(std::string(QV_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text cut after every LF, each piece keeping its line end, so a wrong or missing CR LF
// shows as a difference of its own.
std::vector<std::string> linesWithEnds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string shown(const std::string& line) {
    std::string out = "\"";
    for (const char c : line) {
        out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out + "\"";
}

testing::AssertionResult sameScript(const std::string& expected, const std::string& generated) {
    if (expected == generated) {
        return testing::AssertionSuccess();
    }
    const auto want = linesWithEnds(expected);
    const auto got = linesWithEnds(generated);
    const auto firstDiff =
        std::mismatch(want.begin(), want.end(), got.begin(), got.end()).first - want.begin();
    const auto at = static_cast<std::size_t>(firstDiff);
    return testing::AssertionFailure()
           << "first difference at line " << at + 1
           << "\n  expected:  " << (at < want.size() ? shown(want[at]) : "(end of text)")
           << "\n  generated: " << (at < got.size() ? shown(got[at]) : "(end of text)")
           << "\n  line counts: expected " << want.size() << ", generated " << got.size();
}

std::string scriptOf(const std::function<void(Mission&)>& fill) {
    Mission mission;
    fill(mission);
    return generateScript(mission, test::GoldenTimestamp);
}

TEST(GoldenScript, SprintWithOwnCarObjectsAndEvents) {
    EXPECT_TRUE(sameScript(readGolden("golden_sprint.txt"), scriptOf(test::fillGoldenSprint)));
}

TEST(GoldenScript, ThreeLapCircuitWithEveryFlag) {
    EXPECT_TRUE(sameScript(readGolden("golden_circuit.txt"), scriptOf(test::fillGoldenCircuit)));
}

}  // namespace
}  // namespace qv
