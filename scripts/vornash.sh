#!/usr/bin/env bash
# Set up, build and run Vornash 3 Demo on Debian 12.
#   scripts/vornash.sh run    install what is missing, build (pictures included), start the program
#   scripts/vornash.sh test   install what is missing, build, run every test
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORNASH_BUILD_DIR:-$here/build}
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev
  libgif-dev
  fonts-wine fonts-liberation
  xvfb xauth dbus at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0
)

say() { printf 'vornash: %s\n' "$*" >&2; }

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_all() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j "$jobs"
}

case "${1:-}" in
  run)
    install_missing
    build_all
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      shots="$build/screenshots"
      "$build/bin/vornash-screenshots" "$shots" >/dev/null 2>&1 || true
      say "this machine has no display, so the program cannot open its windows here."
      say "Pictures of every page are in $shots/ (title.png, menu.png, the lessons, the problems, the Jotter)."
      say "To use the program, start it from a desktop session: $build/bin/vornash"
      exit 0
    fi
    exec "$build/bin/vornash"
    ;;
  test)
    install_missing
    build_all
    cd "$build"
    ctest --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
