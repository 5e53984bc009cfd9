#!/usr/bin/env bash
# Renders every page to docs/screenshots/ (offscreen, no display needed). Run after a build:
#   bash scripts/screenshots.sh [build folder]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-${VORNASH_BUILD_DIR:-$here/build}}
cmake --build "$build" --target vornash-screenshots >/dev/null
"$build/bin/vornash-screenshots" "$here/docs/screenshots"
