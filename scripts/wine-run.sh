#!/bin/sh
# Runs a Windows program under Wine in the Wine prefix given first:
#   scripts/wine-run.sh PREFIX PROGRAM.exe ARGS...
# Nothing appears on a display and nothing is added to the desktop's menus; Wine's
# own diagnostics are off so that a test's output is only its own.
set -e
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
# No .NET or HTML engine to offer for download, no menu entries in the home folder.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
# A Wine server started here outlives the program by a few seconds: detached from
# the caller's output, so that a caller waiting for its output to close (CTest)
# does not wait for the server as well. It fails harmlessly when one is running.
wineserver -p5 </dev/null >/dev/null 2>&1 || true
exec wine "$@"
