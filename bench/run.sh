#!/usr/bin/env bash
# Builds the benchmark in Release and prints the table of figures.
#
#   bash bench/run.sh [--no-clean-build] [driver options, see vornash-bench --help]
#
# The build goes to build-bench/ (or $VORNASH_BENCH_BUILD_DIR). The timing figures run on a
# private virtual display ($VORNASH_BENCH_DISPLAY, or the first free one). The artwork and the
# clean build are timed here, from outside; the rest by the driver.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VORNASH_BENCH_BUILD_DIR:-$here/build-bench}
jobs=2

clean_build=yes
driver_args=()
for arg in "$@"; do
  case "$arg" in
    --no-clean-build) clean_build=no ;;
    *) driver_args+=("$arg") ;;
  esac
done

say() { printf 'bench: %s\n' "$*" >&2; }
seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }

for tool in cmake ninja Xvfb; do
  command -v "$tool" >/dev/null || { say "$tool is missing (apt-get install cmake ninja-build xvfb)"; exit 2; }
done

# The compiler the README's commands build the program with.
compiler=()
command -v clang++-14 >/dev/null && compiler=(-DCMAKE_CXX_COMPILER=clang++-14)
say "building in $build (Release)"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNASH_BENCH=ON \
      -DBUILD_TESTING=OFF "${compiler[@]}" >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null

# Artwork: every group drawn afresh into an empty folder, two groups at a time, three times.
artwork_tool="$build/artwork/vornash-artwork"
groups=$(QT_QPA_PLATFORM=offscreen "$artwork_tool" 2>&1 | sed -n 's/.*group of://p' || true)
[ -n "$groups" ] || { say "the artwork tool did not list its groups"; exit 1; }
artwork_times=()
for run in 1 2 3; do
  say "artwork run $run"
  out=$(mktemp -d)
  start=$(date +%s.%N)
  printf '%s\n' $groups | xargs -P "$jobs" -I{} env QT_QPA_PLATFORM=offscreen \
    "$artwork_tool" --group {} --out "$out/bin" --sheets "$out/sheets" >/dev/null
  artwork_times+=("$(seconds_since "$start")")
  rm -rf "$out"
done

clean_time=""
if [ "$clean_build" = yes ]; then
  say "clean build and test"
  cleandir=$(mktemp -d)
  start=$(date +%s.%N)
  VORNASH_BUILD_DIR="$cleandir" bash "$here/scripts/vornash.sh" test >"$cleandir.log" 2>&1 \
    || say "the clean build and test failed; see $cleandir.log"
  clean_time=$(seconds_since "$start")
  rm -rf "$cleandir"
fi

# The timing figures want a settled machine: after the builds above, wait (three minutes at
# most) for the load average of the last minute to fall below 0.5.
say "waiting for the machine to settle (load average $(cut -d' ' -f1 /proc/loadavg))"
for _ in $(seq 36); do
  awk '{ exit !($1 < 0.5) }' /proc/loadavg && break
  sleep 5
done

# A private virtual display for the figures that need a window system. It does not reset
# between probes, when the last client leaves, so that a probe never meets a server resetting.
if [ -n "${VORNASH_BENCH_DISPLAY:-}" ]; then
  display=$VORNASH_BENCH_DISPLAY
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
else
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  read -r display <"$fifo"
  rm -f "$fifo"
fi
xvfb=$!
classdir=""
# The display, and the class record's cluster once one is made (even half made).
cleanup() {
  kill "$xvfb" 2>/dev/null || true
  if [ -n "$classdir" ]; then bash "$here/scripts/classroom-demo.sh" stop --dir "$classdir" 2>/dev/null || true; fi
}
trap cleanup EXIT
for _ in $(seq 50); do
  [ -S "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

machine="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores, \
$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo), \
$(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), \
load average at start $(cut -d' ' -f1-3 /proc/loadavg)"

# A class record of 30 pupils with 500 checks each, on a PostgreSQL cluster of its own, for the
# teacher's page.
classroom=()
if [ -x /usr/lib/postgresql/15/bin/initdb ]; then
  classdir=$(mktemp -u /tmp/vornash-bench-class-XXXXXX)
  say "making a class of 30 pupils × 500 checks"
  if bash "$here/scripts/classroom-demo.sh" start --dir "$classdir" --pupils 30 --checks 500 >/dev/null; then
    export PGSERVICEFILE=$classdir/pg_service.conf
    classroom=(--classroom ms_lee --pupil ann)
  fi
else
  say "no PostgreSQL server (apt-get install postgresql): the class page is not measured"
fi

run=(env DISPLAY=":$display" "$build/bin/vornash-bench" --artwork "${artwork_times[*]}" --machine "$machine" "${classroom[@]}")
[ -n "$clean_time" ] && run+=(--clean-build "$clean_time")
if command -v dbus-run-session >/dev/null; then
  dbus-run-session -- "${run[@]}" "${driver_args[@]}"
else
  "${run[@]}" "${driver_args[@]}"
fi
say "load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
