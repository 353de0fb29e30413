#!/usr/bin/env bash
# Measures, under a virtual X server, how long the program takes from process
# start until its window is mapped and how much memory it holds at its peak,
# beside the same figures for a bare Qt window built in the same tree.
#
#   scripts/measure-startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 15)
#
# Start-up is timed by polling for the visible window with xdotool, so it
# includes a few milliseconds of polling; both programs are measured the same
# way, alternately, after one unmeasured warm-up start each. Peak memory is the
# process's VmHWM once the window has been up for a second.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-15}
program="$build/ui/velmora"
bare="$build/bench/bare_window"
for binary in "$program" "$bare"; do
    [ -x "$binary" ] || { echo "Build $binary first (make build)." >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number when it is ready;
# -noreset keeps it from restarting, and refusing connections, whenever its
# last client leaves.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
export DISPLAY=:$(cat "$work/display")
xdotool getdisplaygeometry >/dev/null || { cat "$work/xvfb.log"; exit 1; }

unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="$work"

# One start: prints "milliseconds kilobytes".
measure() {
    local binary=$1 title=$2
    local start end pid peak
    start=$(date +%s%N)
    "$binary" >"$work/out.log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { cat "$work/out.log" >&2; echo "$binary ended early" >&2; exit 1; }
    done
    end=$(date +%s%N)
    sleep 1
    peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(((end - start) / 1000)) $peak"
}

measure "$program" "Velmora Frame Analysis" >/dev/null
measure "$bare" "Bare Qt window" >/dev/null
for _ in $(seq "$runs"); do
    measure "$program" "Velmora Frame Analysis" >>"$work/program"
    measure "$bare" "Bare Qt window" >>"$work/bare"
done

# Median and minimum of one column (1: microseconds, 2: kilobytes).
median() {
    sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR] = $c} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
least() {
    sort -n -k"$2" "$1" | awk -v c="$2" 'NR == 1 {print $c}'
}
awk -v pt="$(median "$work/program" 1)" -v bt="$(median "$work/bare" 1)" \
    -v pm="$(least "$work/program" 1)" -v bm="$(least "$work/bare" 1)" \
    -v pp="$(median "$work/program" 2)" -v bp="$(median "$work/bare" 2)" -v n="$runs" 'BEGIN {
    printf "%d starts each          start-up to mapped window        peak resident memory\n", n
    printf "                        median        fastest            median\n"
    printf "velmora               %8.1f ms   %8.1f ms        %8.1f MiB\n", pt / 1000, pm / 1000, pp / 1024
    printf "bare Qt window        %8.1f ms   %8.1f ms        %8.1f MiB\n", bt / 1000, bm / 1000, bp / 1024
    printf "ratio                 %8.2f      %8.2f           %8.2f\n", pt / bt, pm / bm, pp / bp
}'
