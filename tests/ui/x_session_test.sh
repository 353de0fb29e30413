#!/usr/bin/env bash
# Starts the built program in a virtual X server, types a one-floor frame with
# the keyboard as a person would, calculates, and checks the four reports, the
# frame page and the five requests to open them, the page last. Exits 77
# (skipped) only when no X server can be started here.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
golden="$here/../data/ui-session/x"
source "$here/session_keys.sh"

inside() {
    local program=$1 work=$2
    touch "$work/server-started"
    "$program" >"$work/program.log" 2>&1 &
    local pid=$!
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora Frame Analysis$' | head -n 1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    type_one_floor_frame
    keys alt+c

    # The program ends by itself after the calculation; a failure shows its log.
    ends_within "$pid" 100 || { kill "$pid"; echo "The program did not end after the calculation."; }
    wait "$pid" || { echo "The program failed:"; cat "$work/program.log"; return 1; }
}

if [ "${1:-}" = "--inside" ]; then
    inside "$2" "$3"
    exit $?
fi

program=$1
skip() { echo "SKIPPED: $*"; exit 77; }
command -v xvfb-run >/dev/null || skip "no X server: xvfb-run is missing (Debian package xvfb)"
command -v xdotool >/dev/null || skip "xdotool is missing (Debian package xdotool)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/velmora" "$work/bin"
# The desktop's opener, replaced by one that records each request. The openers
# run side by side, so each records when it was started (in clock ticks, then
# its process id): the order of the requests.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$(cut -d' ' -f22 /proc/\$\$/stat) \$\$ \$1" >>"$work/opened.log"
EOF
chmod +x "$work/bin/xdg-open"

# Under the leak checker of a sanitizer build, only the program's own leaks count.
export LSAN_OPTIONS="suppressions=$here/x_session_lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

status=0
env -u WAYLAND_DISPLAY HOME="$work/home" PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$program" "$work" || status=$?
[ -e "$work/server-started" ] || skip "no X server could be started here (xvfb-run exited with $status)"
[ "$status" -eq 0 ] || { echo "FAIL: the session in the X server failed ($status)"; exit 1; }

# The openers run detached; give the five requests a moment to arrive.
files=(ONE.txt ONE-corrected.txt ONE-midspan.txt ONE-columnload.txt ONE.html)
for _ in $(seq 50); do
    [ "$(wc -l <"$work/opened.log" 2>/dev/null || echo 0)" -ge ${#files[@]} ] && break
    sleep 0.1
done
failed=0
for file in "${files[@]}"; do
    if ! cmp -s "$work/home/velmora/$file" "$golden/$file"; then
        echo "FAIL: $file differs from the expected one"
        diff "$work/home/velmora/$file" "$golden/$file" || true
        failed=1
    fi
done
requested=$(sort -k1,1n -k2,2n "$work/opened.log" 2>/dev/null | cut -d' ' -f3-)
expected=$(printf 'file://%s\n' "${files[@]/#/$work/home/velmora/}")
if [ "$requested" != "$expected" ]; then
    echo "FAIL: the requests to open the files, in order, differ from the expected ones"
    diff <(echo "$expected") <(echo "$requested") || true
    failed=1
fi
[ "$failed" -eq 0 ] && echo "PASS: five files written and opened, the frame page last, from a typed session"
exit "$failed"
