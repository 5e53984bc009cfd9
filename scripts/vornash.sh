#!/usr/bin/env bash
# Set up, build and run Vornash 3 Demo on Debian 12.
#   scripts/vornash.sh run    install what is missing, build (pictures included), start the program
#   scripts/vornash.sh test   install what is missing, build, and run every test; build and run
#                             every test again under the sanitizers (in build/sanitize); fuzz
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
  desktop-file-utils man-db
  clang-14 libclang-rt-14-dev lld-14
  libqt6sql6-sqlite libqt6sql6-psql postgresql
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

# clang compiles this code base in about half the time g++ takes; line tables (-g1) are enough
# for a backtrace and cost far less than full debug information.
compiler=(-DCMAKE_CXX_COMPILER=clang++-14)

build_all() {
  cmake -S "$here" -B "$build" -G Ninja "${compiler[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" >/dev/null
  cmake --build "$build" -j "$jobs"
}

# The whole suite again with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, in
# build/sanitize: the first report of any of them fails its test. -O0 builds in half the time of
# -O1, and the tests run no slower: their time goes in Qt's own (optimised) libraries. The
# pictures are the ones the ordinary build drew: the artwork tool is not instrumented anyway.
sanitize_dir="$build/sanitize"
build_sanitized() {
  cmake -S "$here" -B "$sanitize_dir" -G Ninja "${compiler[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O0 -g1" -DVORNASH_SANITIZE=ON \
        -DVORNASH_PICTURES_FROM="$build/bin" >/dev/null &&
  cmake --build "$sanitize_dir" -j "$jobs"
}
sanitized_tests() {
  cd "$sanitize_dir" &&
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0:check_initialization_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$here/tests/reliability/lsan.supp:print_suppressions=0" \
  ctest --output-on-failure -j "$jobs"
}

# A minute of libFuzzer on the answer reader and the check, in build/fuzz. An input that fails is
# written to tests/fuzz/regressions/, which the unit tests replay from then on: commit it with the mend.
fuzz_dir="$build/fuzz"
build_fuzzer() {
  cmake -S "$here/tests/fuzz" -B "$fuzz_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null &&
  cmake --build "$fuzz_dir" && mkdir -p "$fuzz_dir/corpus"
}
fuzz_answers() {
  if ! "$fuzz_dir/fuzz_answer" -max_total_time=60 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
         -dict="$here/tests/fuzz/answer.dict" -artifact_prefix="$here/tests/fuzz/regressions/" \
         "$fuzz_dir/corpus" "$here/tests/fuzz/corpus" 2>"$fuzz_dir/fuzz.log"; then
    tail -n 40 "$fuzz_dir/fuzz.log"
    say "the fuzzer found a failing input; it is in tests/fuzz/regressions/"
    return 1
  fi
  say "fuzzing: $(grep -m1 'stat::number_of_executed_units' "$fuzz_dir/fuzz.log" | awk '{print $2}') inputs, no failure"
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
    sanitizer_built=yes fuzzer_built=yes
    build_sanitized || { failed+=("sanitizer build"); sanitizer_built=; }
    build_fuzzer || { failed+=("fuzzer build"); fuzzer_built=; }
    # The three checks run side by side: each spends much of its time waiting on timers or
    # holds one core, so together they take little longer than the longest of them. Each
    # writes to a log of its own, shown whole when all have finished.
    logs="$build/logs"
    mkdir -p "$logs"
    (cd "$build" && ctest --output-on-failure -j "$jobs") >"$logs/tests.log" 2>&1 &
    tests_pid=$! sanitized_pid= fuzz_pid=
    if [ -n "$sanitizer_built" ]; then
      sanitized_tests >"$logs/sanitized-tests.log" 2>&1 &
      sanitized_pid=$!
    fi
    if [ -n "$fuzzer_built" ]; then
      fuzz_answers >"$logs/fuzzing.log" 2>&1 &
      fuzz_pid=$!
    fi
    wait "$tests_pid" || failed+=("tests")
    say "tests:"; cat "$logs/tests.log"
    if [ -n "$sanitized_pid" ]; then
      wait "$sanitized_pid" || failed+=("sanitizer tests")
      say "tests under the sanitizers:"; cat "$logs/sanitized-tests.log"
    fi
    if [ -n "$fuzz_pid" ]; then
      wait "$fuzz_pid" || failed+=("fuzzing")
      cat "$logs/fuzzing.log" >&2
    fi
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
