#!/usr/bin/env bash
# What a screen reader is told of the window. Starts the built program in a
# virtual X server on a session bus of its own with the accessibility bus
# (AT-SPI) running, as a desktop with a screen reader has it, and prints, as
# AT-SPI reports them, the role, name and description of every panel and
# control: first the setup panel, then, after a 2 x 3 frame is set up, the joint
# and bay-load panels. It then moves from joint 4 to joint 7 with the joint
# panel's access key, and from bay record 1 to 2 by pressing "Next bay record"
# as a screen reader does, and prints the changes the window announced. Fails
# when a panel is missing, a control of a panel has no name or no description,
# the bay record counter does not read "Bay record 1 of 4", or the move to
# floor 2 or to bay record 2 was not announced.
#   scripts/check-accessibility.sh [PROGRAM]     (default build/ui/velmora)
# Not part of make test: it needs a session bus, which the tests do not assume.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # Debian's, which has pyatspi

inside() {
    local program=$1 work=$2
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
        "$program" >"$work/program.log" 2>&1 &
    local pid=$! status=0
    local window
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora Frame Analysis$' | head -n 1)
    xdotool windowfocus --sync "$window"
    "$python" - <<'EOF' || status=$?
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)

def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)

def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "velmora":
                return app
        time.sleep(0.1)
    sys.exit("The program did not register on the accessibility bus.")

CONTROLS = {"text", "push button", "radio button"}
faults = []

def dump(node, depth=1):
    """Prints what is showing below node; notes a control without name or description."""
    for child in node:
        if not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        role = child.getRoleName()
        print(f"{'  ' * depth}{role}: \"{child.name}\"  --  {child.description}")
        if role in CONTROLS and depth > 1 and not (child.name and child.description):
            faults.append(f"{role} \"{child.name}\" lacks a name or a description")
        dump(child, depth + 1)

def panels(window):
    return {c.name: c for c in window if c.getRoleName() == "panel"}

def expect_panels(window, names):
    missing = [n for n in names if n not in panels(window)]
    if missing:
        faults.append(f"no panel named {missing}")

window = application()[0]
print("== The window as it opens")
dump(window)
expect_panels(window, ["Setup"])

typed("a"); keys("Tab"); typed("2"); keys("Tab"); typed("3"); keys("Tab", "space")
time.sleep(0.5)
print("\n== After a 2 x 3 frame is set up")
dump(window)
expect_panels(window, ["Joint", "Bay load"])
bay_load = panels(window).get("Bay load")
named = {c.name: c for c in bay_load} if bay_load is not None else {}
if "Bay record 1 of 4" not in named:
    faults.append("no bay record counter named \"Bay record 1 of 4\" on the bay-load panel")

events = []
def heard(event):
    source = event.source
    said = f"  {event.any_data!r}" if event.type.startswith("object:text-changed") else ""
    events.append(f"{event.type}  {source.getRoleName()} \"{source.name}\"{said}")

def press(name):
    action = named[name].queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)

def walk():
    keys("alt+n", "alt+n", "alt+n")
    if "Next bay record" in named:
        press("Next bay record")
    GLib.timeout_add(1000, pyatspi.Registry.stop)
    return False

pyatspi.Registry.registerEventListener(
    heard, "object:property-change:accessible-name", "object:text-changed")
GLib.timeout_add(300, walk)
pyatspi.Registry.start()
print("\n== Announced while Next joint moves from joint 4 to joint 7, then Next bay record"
      " from record 1 to 2")
for line in events:
    print("  " + line)
if not any("accessible-name" in e and "Floor 2" in e for e in events):
    faults.append("the move to floor 2 was not announced")
if not any("accessible-name" in e and "Bay record 2 of 4" in e for e in events):
    faults.append("the move to bay record 2 was not announced")

for fault in faults:
    print("FAIL: " + fault)
sys.exit(1 if faults else 0)
EOF
    # END closes the program as a user would; it is stopped only if it hangs.
    xdotool key alt+e
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null && { echo "FAIL: the program did not end on END"; status=1; }
    wait "$pid" || { echo "FAIL: the program ended with status $?"; status=1; }
    return "$status"
}

if [ "${1:-}" = "--inside" ]; then
    inside "$2" "$3"
    exit $?
fi

program=${1:-$here/../build/ui/velmora}
[ -x "$program" ] || { echo "No program at $program: build it first." >&2; exit 2; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
for tool in xvfb-run xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh" >&2; exit 2; }
done
"$python" -c 'import pyatspi' 2>/dev/null ||
    { echo "pyatspi is missing (Debian package python3-pyatspi)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The bus daemons' own start-up notes go to a log; the check's findings to the terminal.
env -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$work" XDG_RUNTIME_DIR="$work" \
    xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- bash "$here/check-accessibility.sh" --inside "$program" "$work" \
    2>"$work/bus.log" | sed '/^SpiRegistry daemon is running/d' ||
    { status=$?; cat "$work/bus.log" "$work/program.log" >&2; exit "$status"; }
echo "PASS: every panel and control has a name and a description; the moves to floor 2 and to bay record 2 were announced"
