#!/usr/bin/env bash
# Builds the picture loader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in a build folder of its own, makes a small seed corpus of BMP
# and JPEG files with libjpeg-turbo's programs, and runs the target a fixed number of times on
# it: a short check on every test run, not a fuzzing campaign. Extra arguments go to the
# target (for example -runs=100000 for a longer run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup_packages.sh" clang libclang-rt-14-dev

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREINK_FUZZ=ON \
  -DSCOREINK_TESTS=OFF -DSCOREINK_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$build" --target picture_loader_fuzz -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seeds="$work/seeds"
mkdir -p "$seeds"
# A small colour picture and a grey one, as plain PPM and PGM files.
{
  printf 'P6\n24 16\n255\n'
  for y in $(seq 0 15); do
    for x in $(seq 0 23); do printf "\\x$(printf %02x $((x * 10)))\\x$(printf %02x $((y * 15)))\\x80"; done
  done
} > "$work/colour.ppm"
{
  printf 'P5\n17 9\n255\n'
  for i in $(seq 0 152); do printf "\\x$(printf %02x $((i % 256)))"; done
} > "$work/grey.pgm"
cjpeg -quality 90 "$work/colour.ppm" > "$seeds/baseline.jpg"
cjpeg -progressive "$work/colour.ppm" > "$seeds/progressive.jpg"
cjpeg -grayscale -optimize "$work/grey.pgm" > "$seeds/grey.jpg"
cjpeg -restart 1 -sample 2x2 "$work/colour.ppm" > "$seeds/restart.jpg"
cjpeg -arithmetic "$work/grey.pgm" > "$seeds/arithmetic.jpg"
djpeg -bmp "$seeds/baseline.jpg" > "$seeds/rgb24.bmp"
djpeg -bmp -colors 256 "$seeds/baseline.jpg" > "$seeds/indexed8.bmp"
djpeg -bmp -colors 16 "$seeds/progressive.jpg" > "$seeds/indexed4.bmp"
djpeg -bmp "$seeds/grey.jpg" > "$seeds/grey8.bmp"
djpeg -os2 "$seeds/baseline.jpg" > "$seeds/os2.bmp"

# New inputs the run finds go to a corpus folder of its own, thrown away afterwards.
mkdir -p "$work/corpus"
"$build/fuzz/picture_loader_fuzz" -runs=2000 -seed=1 -max_len=8192 -timeout=10 \
  -print_final_stats=1 "$@" "$work/corpus" "$seeds"
