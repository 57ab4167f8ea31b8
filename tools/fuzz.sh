#!/usr/bin/env bash
# Builds the picture loader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in a build folder of its own, makes a small seed corpus of BMP,
# JPEG, PNG, TIFF and PDF files (libjpeg-turbo's, netpbm's and libtiff's programs, and a PDF
# written here), and runs the target a fixed number of times on it: a short check on every
# test run, not a fuzzing campaign. Extra arguments go to the target (for example
# -runs=100000 for a longer run).
set -euo pipefail
export LC_ALL=C
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup_packages.sh" clang libclang-rt-14-dev netpbm libtiff-tools

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCOREINK_FUZZ=ON \
  -DSCOREINK_TESTS=OFF -DSCOREINK_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$build" --target picture_loader_fuzz -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seeds="$work/seeds"
mkdir -p "$seeds"
cd "$work"  # the seeds' intermediate files; the run itself goes back to where it was started
# A small colour picture, its greys and a black-and-white page, as plain PNM files.
{
  printf 'P6\n24 16\n255\n'
  for y in $(seq 0 15); do
    for x in $(seq 0 23); do printf "\\x$(printf %02x $((x * 10)))\\x$(printf %02x $((y * 15)))\\x80"; done
  done
} > colour.ppm
ppmtopgm colour.ppm > grey.pgm
pgmtopbm -threshold grey.pgm > page.pbm

cjpeg -quality 90 colour.ppm > "$seeds/baseline.jpg"
cjpeg -progressive colour.ppm > "$seeds/progressive.jpg"
cjpeg -grayscale -optimize grey.pgm > "$seeds/grey.jpg"
cjpeg -restart 1 -sample 2x2 colour.ppm > "$seeds/restart.jpg"
cjpeg -arithmetic grey.pgm > "$seeds/arithmetic.jpg"
djpeg -bmp "$seeds/baseline.jpg" > "$seeds/rgb24.bmp"
djpeg -bmp -colors 256 "$seeds/baseline.jpg" > "$seeds/indexed8.bmp"
djpeg -bmp -colors 16 "$seeds/progressive.jpg" > "$seeds/indexed4.bmp"
djpeg -bmp "$seeds/grey.jpg" > "$seeds/grey8.bmp"
djpeg -os2 "$seeds/baseline.jpg" > "$seeds/os2.bmp"

# PNG: 1-, 8- and 16-bit grey, grey and colour with alpha, interlaced colour, a palette, a
# transparent colour.
pnmtopng page.pbm > "$seeds/grey1.png"
pnmtopng grey.pgm > "$seeds/grey8.png"
pnmdepth 1000 grey.pgm | pnmtopng > "$seeds/grey16.png"
pnmtopng -force -alpha=grey.pgm grey.pgm > "$seeds/grey_alpha.png"
pnmtopng -alpha=grey.pgm colour.ppm > "$seeds/rgba.png"
pnmtopng -interlace colour.ppm > "$seeds/rgb_interlaced.png"
pnmdepth 3 colour.ppm | pnmtopng > "$seeds/palette.png"
pnmtopng -transparent=black grey.pgm > "$seeds/grey_transparent.png"

# TIFF: each common compression, tiles, a palette, CMYK and a file of two pages.
ppm2tiff -c none grey.pgm "$seeds/grey.tif"
ppm2tiff -c lzw colour.ppm "$seeds/rgb_lzw.tif"
ppm2tiff -c zip grey.pgm "$seeds/grey_deflate.tif"
ppm2tiff -c packbits colour.ppm "$seeds/rgb_packbits.tif"
ppm2tiff -c jpeg colour.ppm "$seeds/ycbcr_jpeg.tif"
ppm2tiff -c g3 page.pbm "$seeds/fax_g3.tif"
ppm2tiff -c g4 page.pbm "$seeds/fax_g4.tif"
tiffcp -t -w 16 -l 16 -c zip "$seeds/rgb_lzw.tif" "$seeds/rgb_tiles.tif"
pnmdepth 3 colour.ppm | pnmtotiff > "$seeds/palette.tif" 2> /dev/null
pnmtotiffcmyk colour.ppm > "$seeds/cmyk.tif"
tiffcp "$seeds/grey_deflate.tif" "$seeds/fax_g4.tif" "$seeds/two_pages.tif"

# PDF: one page with a line of text and a staff of five lines, every offset in its table right.
content='BT /F1 14 Tf 20 80 Td (ScoreInk) Tj ET 1 w 20 60 m 180 60 l 20 52 m 180 52 l'
content+=' 20 44 m 180 44 l 20 36 m 180 36 l 20 28 m 180 28 l S'
objects=(
  '<< /Type /Catalog /Pages 2 0 R >>'
  '<< /Type /Pages /Kids [3 0 R] /Count 1 >>'
  '<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents 4 0 R
   /Resources << /Font << /F1 5 0 R >> >> >>'
  "<< /Length ${#content} >>"$'\nstream\n'"$content"$'\nendstream'
  '<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>'
)
pdf=$'%PDF-1.4\n'
offsets=()
for i in "${!objects[@]}"; do
  offsets+=("${#pdf}")
  pdf+="$((i + 1)) 0 obj"$'\n'"${objects[$i]}"$'\nendobj\n'
done
xref=${#pdf}
pdf+="xref"$'\n'"0 $((${#objects[@]} + 1))"$'\n0000000000 65535 f \n'
for offset in "${offsets[@]}"; do pdf+="$(printf '%010d 00000 n ' "$offset")"$'\n'; done
pdf+="trailer << /Size $((${#objects[@]} + 1)) /Root 1 0 R >>"$'\nstartxref\n'"$xref"$'\n%%EOF\n'
printf '%s' "$pdf" > "$seeds/text_and_staff.pdf"

# New inputs the run finds go to a corpus folder of its own, thrown away afterwards; an input
# that fails is kept where the script was started. Leaks of the libraries below the program
# that are known and not its own are listed in the suppressions.
cd "$OLDPWD"
mkdir -p "$work/corpus"
LSAN_OPTIONS="suppressions=$root/fuzz/leak_suppressions.txt:print_suppressions=0" \
  "$build/fuzz/picture_loader_fuzz" -runs=2000 -seed=1 -max_len=8192 -timeout=10 \
  -print_final_stats=1 "$@" "$work/corpus" "$seeds"
