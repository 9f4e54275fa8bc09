#!/usr/bin/env bash
# Makes the documentation's pictures of the editor again: docs/images/main-window.png,
# script-window.png, route-map.png and map-editing.png, and main-window.en.png and
# script-window.en.png of the editor in English. It builds the program that takes them
# (tests/gui/EditorScreenshots.cpp) in the test build, build/test, configured as ./test.sh
# configures it, and runs it on a virtual X display (Xvfb) under a Russian locale. The program
# opens examples/lvcircuit.qvnx, builds it and opens the route map over a synthetic game folder
# it writes in memory, so nothing of the game is needed or shipped.
# Usage: scripts/screenshots.sh [OUT]   (OUT: docs/images unless named)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/images}

scripts/install-deps.sh linux screenshots
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$' && [ "$(id -u)" -eq 0 ]; then
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || true
fi
if [ ! -f build/test/CMakeCache.txt ]; then
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DQV_WERROR=ON -DQV_SANITIZE=ON -DQV_BUILD_UI=ON -DQV_BUILD_BENCH=ON
fi
cmake --build build/test -j "${QV_JOBS:-$(nproc)}" --target editor_screenshots

mkdir -p "$out"
# The test build has the sanitizers; Qt's X11 platform leaves what libdbus allocated to the end
# of the process, which is not the editor's leak.
suppressions=$(mktemp)
trap 'rm -f "$suppressions"' EXIT
echo "leak:libdbus-1.so" >"$suppressions"
# Qt's own X11 platform on a screen larger than the biggest window; the program grabs each
# window's own contents, so no window manager is needed.
LSAN_OPTIONS="suppressions=$suppressions" LC_ALL=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/test/tests/gui/editor_screenshots examples "$out"
