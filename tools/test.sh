#!/usr/bin/env bash
# Sets up what is missing, builds ScoreInk with its tests and benchmarks (warnings are errors),
# checks an install into a temporary prefix, and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup_packages.sh"
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREINK_WERROR=ON
cmake --build "$build" -j "$(nproc)"
"$root/tools/check_install.sh" "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
