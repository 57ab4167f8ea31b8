#!/usr/bin/env bash
# Installs the Debian packages that building and testing ScoreInk need, when any is missing.
# Run as root (or with sudo available). Safe to run again: it does nothing when all are there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg-dev libjpeg-turbo-progs
  # the files people have: PNG, TIFF, PDF pages
  libpng-dev libtiff-dev libpoppler-qt6-dev
  # documents of several pages written back: PDF pages kept as they are, changes laid over them
  libqpdf-dev
  libcups2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  # printing tests: a private CUPS scheduler with a PDF printer, and PDF pages read back
  cups printer-driver-cups-pdf poppler-utils
  # desktop integration: Qt's own texts in Japanese, and the validators of the install check
  qt6-translations-l10n desktop-file-utils appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
