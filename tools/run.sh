#!/usr/bin/env bash
# Sets up what is missing, builds ScoreInk and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup_packages.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREINK_TESTS=OFF \
  -DSCOREINK_BENCH=OFF
cmake --build "$root/build" --target scoreink -j "$(nproc)"
exec "$root/build/app/scoreink"
