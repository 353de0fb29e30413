# The one-floor frame of the session tests, typed with xdotool into the focused
# window as a person would, up to CALCULATE. Sourced by x_session_test.sh (the
# Linux build) and wine_session_test.sh (the Windows build under Wine), so that
# both builds get the very same keys; the golden reports in
# tests/data/ui-session/x/ are this frame's.

keys() { xdotool key --delay 40 "$@"; }
text() { xdotool type --delay 40 "$1"; }

type_one_floor_frame() {
    # Setup: the name is typed in lower case and shown in upper case.
    text one; keys Tab; text 1; keys Tab; text 2; keys Tab space
    # Joint 3, then "&NEXT  -->", then joint 4; M1 is typed with the opposite sign.
    text 0; keys Tab; text 2; keys Tab; text 2; keys Tab; text 0; keys Tab Tab; text 8; keys Tab
    keys space space
    text 2; keys Tab; text 0; keys Tab; text 2; keys Tab; text 0; keys Tab; text 8; keys Tab Tab
    keys space
    # The one bay: floor 1, bay 1, "UDL System", UDL 1 = 10, L = 6.
    keys Tab; text 1; keys Tab; text 1; keys Tab Right space Tab; text 10; keys Tab; text 6
    keys Tab space
}

# Whether process $1 ends by itself within $2 tenths of a second, as the program
# does after a calculation.
ends_within() {
    for _ in $(seq "$2"); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
