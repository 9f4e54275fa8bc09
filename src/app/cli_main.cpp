#include <chrono>
#include <iostream>

#include "app/SampleMission.h"
#include "generator/ScriptGenerator.h"
#include "model/Error.h"

int main() {
    try {
        qv::Mission mission;
        qv::fillSampleMission(mission);
        std::cout << qv::joinLines(
            qv::generateScriptLines(mission, qv::timestampText(std::chrono::system_clock::now())),
            "\n");
        return 0;
    } catch (const qv::Error& error) {
        std::cerr << error.message() << '\n';
        return 1;
    }
}
