#!/usr/bin/env bash
# The Windows delivery under Wine, in a virtual X server and a fresh Wine prefix:
#   tests/ui/wine_session_test.sh INSTALLER.exe WORK_FOLDER
# The installer, run silently, installs the program, its Start-menu entry, its
# registered uninstaller and c:\velmora\. The installed velmora.exe is typed
# into with the keys of the X session test: CALCULATE with c:\velmora\ missing
# shows the refusal and the program keeps running; with the folder back, the same
# window writes the four golden reports and the golden frame page, the very text
# of the Linux build's, hands each to the desktop (Wine's, where here both .txt
# and .html files open in Notepad) and ends. The silent uninstaller removes the
# program and keeps c:\velmora\ with the files. WORK_FOLDER keeps the prefix and
# a screenshot of the typed window, window.png.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
golden="$here/../data/ui-session/x"
source "$here/session_keys.sh"
files=(ONE.txt ONE-corrected.txt ONE-midspan.txt ONE-columnload.txt ONE.html)
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

fail() {
    echo "FAIL: $*"
    exit 1
}

# A Windows desktop has Times New Roman, the captions' font, opens .txt files in
# Notepad and .html files in a browser; a fresh prefix has none of these. Wine
# lists Liberation Serif, of the same metrics, under that name. Without Wine's
# HTML engine, switched off here, the prefix has no program for .html, and Wine's
# own browser would hand the page on to the host's; Notepad stands in for the
# browser, so that a window shows the page was handed to the desktop. Menu
# entries are not copied to the host.
prepare_prefix() {
    local c=$1
    wineboot -i >/dev/null 2>&1
    cat >"$c/prefix.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Times New Roman"="Liberation Serif"

[HKEY_CLASSES_ROOT\.txt]
@="txtfile"

[HKEY_CLASSES_ROOT\txtfile\shell\open\command]
@="C:\\windows\\system32\\notepad.exe \"%1\""

[HKEY_CLASSES_ROOT\.html]
@="txtfile"
EOF
    wine regedit /S 'C:\prefix.reg'
}

check_installed() {
    local c=$1 version=$2 registered
    [ -f "$c/Program Files/Velmora/velmora.exe" ] || fail "no Program Files\\Velmora\\velmora.exe"
    [ -d "$c/velmora" ] || fail "the installer did not create c:\\velmora"
    find "$c/ProgramData" -name 'Velmora Frame Analysis.lnk' | grep -q . ||
        fail "no Start-menu entry \"Velmora Frame Analysis\""
    registered=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r') ||
        fail "no uninstaller in the list of installed programs"
    grep -Eq "DisplayVersion +REG_SZ +$version\$" <<<"$registered" || fail "version not registered"
    grep -Eq "Publisher +REG_SZ +the Velmora authors\$" <<<"$registered" ||
        fail "publisher not registered"
    # Every DLL that the program imports must be one of Windows' own: an API set
    # (api-ms-win-*, which Windows resolves itself) or one in its system folder.
    local dll
    x86_64-w64-mingw32-objdump -p "$c/Program Files/Velmora/velmora.exe" |
        sed -n 's/^\s*DLL Name: //p' | grep -iv '^api-ms-win-' | while read -r dll; do
        find "$c/windows/system32" -maxdepth 1 -iname "$dll" | grep -q . ||
            fail "velmora.exe imports $dll, which Windows does not ship"
    done
}

# CALCULATE without the report folder is refused with a message box, and the
# program keeps its data; with the folder back it writes the files and ends.
run_session() {
    local c=$1 work=$2 window pid
    rmdir "$c/velmora"
    wine 'C:\Program Files\Velmora\velmora.exe' >"$work/program.log" 2>&1 &
    pid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Velmora Frame Analysis$' |
        head -n 1) || true
    [ -n "$window" ] || { cat "$work/program.log"; fail "no window appeared"; }
    xdotool windowfocus --sync "$window"
    sleep 1
    type_one_floor_frame
    import -window root "$work/window.png"
    keys alt+c
    timeout 20 xdotool search --sync --onlyvisible --name '^Analysis$' >/dev/null ||
        fail "no message box for the missing report folder"
    keys Return
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the program ended after the refusal"
    [ ! -e "$c/velmora" ] || fail "the program created the report folder"
    mkdir "$c/velmora"
    xdotool windowfocus --sync "$window"
    keys alt+c
    ends_within "$pid" 200 || { kill "$pid"; fail "the program did not end after the calculation"; }
    wait "$pid" || { cat "$work/program.log"; fail "the program failed"; }
}

check_files() {
    local c=$1 file
    for file in "${files[@]}"; do
        cmp -s "$c/velmora/$file" "$golden/$file" || {
            diff "$golden/$file" "$c/velmora/$file" || true
            fail "$file differs from the golden one"
        }
    done
}

check_opened() {
    local file
    for file in "${files[@]}"; do
        timeout 20 xdotool search --sync --name "^$file - Notepad\$" >/dev/null ||
            fail "$file was not opened on the desktop"
    done
}

check_uninstalled() {
    local c=$1
    wineserver -k
    wine 'C:\Program Files\Velmora\Uninstall.exe' /S
    wineserver -w # the uninstaller runs on from a copy of itself
    [ ! -e "$c/Program Files/Velmora/velmora.exe" ] || fail "the uninstaller left velmora.exe"
    find "$c/ProgramData" -name 'Velmora Frame Analysis.lnk' | grep -q . &&
        fail "the uninstaller left the Start-menu entry"
    wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller is still registered"
    check_files "$c"
}

inside() {
    local installer=$1 work=$2 version
    export WINEPREFIX=$work/prefix WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
    local c=$WINEPREFIX/drive_c
    trap 'wineserver -k 2>/dev/null || true' EXIT
    prepare_prefix "$c"
    version=${installer##*/velmora-}
    version=${version%-windows-x64.exe}
    cp "$installer" "$c/velmora-setup.exe"
    wine 'C:\velmora-setup.exe' /S || fail "the installer failed"
    check_installed "$c" "$version"
    run_session "$c" "$work"
    check_files "$c"
    check_opened
    check_uninstalled "$c"
    echo "PASS: installed, typed into, a refusal, four reports and the frame page written and opened, uninstalled"
}

if [ "${1:-}" = "--inside" ]; then
    inside "$2" "$3"
    exit $?
fi

installer=$(realpath "$1")
work=$(realpath -m "$2")
rm -rf "$work"
mkdir -p "$work"
env -u WAYLAND_DISPLAY xvfb-run -a -s "-screen 0 1024x768x24" \
    bash "$0" --inside "$installer" "$work"
