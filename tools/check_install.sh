#!/usr/bin/env bash
# Installs a built tree into a temporary prefix as `cmake --install` would for a user, checks
# that every file lands in its freedesktop place, and validates the desktop entry and the
# AppStream metainfo. Usage: tools/check_install.sh <build folder>
set -euo pipefail
build=${1:?build folder}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.scoreink.ScoreInk
for f in bin/scoreink share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/256x256/apps/$id.png; do
  [ -e "$prefix/$f" ] || { echo "check_install: $f was not installed" >&2; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "check_install: installed files and both validators passed"
