#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it with the project's
# .clang-format, and names the files. Run from anywhere; `tools/check_format.sh --fix` formats
# them in place instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup_packages.sh" clang-format
cd "$root"
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
# One run over all files; each difference is reported as "file:line:column: error: ...".
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
  echo "Not formatted with clang-format (tools/check_format.sh --fix formats them):"
  grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<< "$report" | cut -d: -f1 | sort -u | sed 's/^/  /'
  exit 1
fi
echo "Formatting: all ${#files[@]} C++ files as clang-format makes them."
