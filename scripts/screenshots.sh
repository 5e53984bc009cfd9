#!/usr/bin/env bash
# Renders every page to docs/screenshots/ (offscreen, no display needed), and the lesson and
# problem pages in each translation. Run after a build:
#   bash scripts/screenshots.sh [build folder]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-${VORNASH_BUILD_DIR:-$here/build}}
cmake --build "$build" --target vornash-screenshots >/dev/null
"$build/bin/vornash-screenshots" "$here/docs/screenshots"
every=$(mktemp -d)
trap 'rm -rf "$every"' EXIT
for lang in de fr es; do
  "$build/bin/vornash-screenshots" "$every" "$lang" >/dev/null
  for page in circles-triangle folding-mobius circles-problem circles-solution folding-problem progress; do
    cp "$every/$page-$lang.png" "$here/docs/screenshots/"
  done
done
echo "$here/docs/screenshots"
