#!/usr/bin/env bash
# Set up, build and run Vornash 3 Demo on Debian 12.
#   scripts/vornash.sh run    install what is missing, build (pictures included), start the program
#   scripts/vornash.sh test   install what is missing, build, run every test; then build and run
#                             every test again under the sanitizers (in build/sanitize) and fuzz
#                             the answer reader for a minute (in build/fuzz)
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
  clang-14 libclang-rt-14-dev
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

# The whole suite again with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer:
# the first report of any of them fails its test. -O1 keeps the build and the run quick.
sanitized_tests() {
  local dir="$build/sanitize"
  # Called where a failure must not end the script, so each step checks the one before.
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DVORNASH_SANITIZE=ON >/dev/null &&
  cmake --build "$dir" -j "$jobs" &&
  (cd "$dir" &&
   ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0:check_initialization_order=1 \
   UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
   LSAN_OPTIONS="suppressions=$here/tests/reliability/lsan.supp:print_suppressions=0" \
   ctest --output-on-failure -j "$jobs")
}

# A minute of libFuzzer on the answer reader and the check. An input that fails is written to
# tests/fuzz/regressions/, which the unit tests replay from then on: commit it with the mend.
fuzz_answers() {
  local dir="$build/fuzz"
  cmake -S "$here/tests/fuzz" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null &&
  cmake --build "$dir" && mkdir -p "$dir/corpus" || return 1
  if ! "$dir/fuzz_answer" -max_total_time=60 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
         -dict="$here/tests/fuzz/answer.dict" -artifact_prefix="$here/tests/fuzz/regressions/" \
         "$dir/corpus" "$here/tests/fuzz/corpus" 2>"$dir/fuzz.log"; then
    tail -n 40 "$dir/fuzz.log" >&2
    say "the fuzzer found a failing input; it is in tests/fuzz/regressions/"
    return 1
  fi
  say "fuzzing: $(grep -m1 'stat::number_of_executed_units' "$dir/fuzz.log" | awk '{print $2}') inputs, no failure"
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
    # Every stage runs even when an earlier one failed, so that one run shows every fault.
    failed=()
    (cd "$build" && ctest --output-on-failure -j "$jobs") || failed+=("tests")
    sanitized_tests || failed+=("sanitizer tests")
    fuzz_answers || failed+=("fuzzing")
    if [ ${#failed[@]} -gt 0 ]; then
      say "failed: ${failed[*]}"
      exit 1
    fi
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
