#!/usr/bin/env bash
# Sets up what is missing, checks that the C++ files are formatted (tools/check_format.sh) and
# that no folders include each other in a cycle (tools/include_cycles.py), builds
# ScoreInk with its tests and benchmarks (warnings are errors), checks an install into a
# temporary prefix, runs every test headless, and runs the fuzz target briefly (tools/fuzz.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup_packages.sh" clang-format python3
"$root/tools/check_format.sh"
python3 "$root/tools/include_cycles.py" --all
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREINK_WERROR=ON
cmake --build "$build" -j "$(nproc)"
"$root/tools/check_install.sh" "$build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The picture loader's fuzz target, a short fixed run on a seed corpus made on the spot.
"$root/tools/fuzz.sh"
