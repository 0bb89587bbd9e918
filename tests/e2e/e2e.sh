#!/usr/bin/env bash
# Runs the real program in a real X server and drives it with xdotool:
#  1. with the shipped data the main window maps with its caption and File > Exit ends it with 0;
#  2. the Web Browser panel shows its page without making the main window anew, and a close
#     request during its first opening ends the program with 0;
#  3. when its X server ends, the program ends with status 1 after Qt's message, as Qt has it, also
#     while Qt WebEngine loads in the background or runs the open Web Browser panel;
#  4. without Pantone/bluelist.dat the message box appears, Return dismisses it, the process ends
#     with a non-zero status and the main window never maps;
#  5. in 1 and 2, also when closed early, the program prints nothing on standard error.
# Usage (inside an X server, e.g. under xvfb-run): e2e.sh <program folder of the build> <mapwatch>
set -uo pipefail
source "$(dirname "$0")/xdriver.sh"
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT
# A program folder of its own, so removing a file leaves the build alone.
cp -r "$1"/{tintora,Pantone,Webdask} "$work/"
mapwatch=$2
export QT_QPA_PLATFORM=xcb
# A runtime folder (mode 0700) as in a desktop session, where Qt would warn without it.
export XDG_RUNTIME_DIR=$work

start_then_choose x "$work/tintora" 2>>"$work/stderr"

lose_display() { # seconds from Alt+6 to the X server's end; none: the panel stays closed
    Xvfb -displayfd 3 -noreset 3>"$work/display-$1" 2>/dev/null & local server=$!
    until [[ -s $work/display-$1 ]]; do sleep 0.1; done
    local DISPLAY=:$(<"$work/display-$1")
    # Qt ends the process without tearing anything down: what its libraries hold is no leak.
    ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0 "$work/tintora" 2>/dev/null & pid=$!
    focus_window "$(wait_for_window "$caption" 60)"
    [[ $1 == none ]] || { xdotool key alt+6; sleep "$1"; }
    kill "$server"
    wait_for_exit 30 && ((status == 1)) || fail "the X server ended ($1): status ${status:-none}"
}
lose_display none

# mapwatch clicks the panel open and reports key=value lines. Chromium refuses the sanitizers.
if cp "$1/libtintora_webview.so" "$work/" 2>/dev/null && ! ldd "$work/tintora" | grep -q asan; then
    watch() { env -u QTWEBENGINE_DISABLE_SANDBOX "$mapwatch" --browser --settle-ms 500 \
        --caption "Tintora Systems Management" "$@" -- "$work/tintora" 2>>"$work/stderr"; }
    report=$(watch) && declare $report || fail "the Web Browser panel showed no page"
    [[ $main_window_after == "$main_window_before" &&
        $main_window_unmaps$main_window_destroys == 00 ]] ||
        fail "the main window was made anew, unmapped or destroyed when the browser opened"
    for delay in 0 50 100 150 250 400 3000; do
        report=$(watch --close-after-ms "$delay") && declare $report &&
            ((close_exit_status == 0)) ||
            fail "a close request $delay ms after the click did not end the program with 0"
    done
    for delay in 0 0.5 3; do lose_display $delay; done
fi

[[ ! -s $work/stderr ]] || fail "the program printed on standard error: $(<"$work/stderr")"

rm "$work/Pantone/bluelist.dat"
"$work/tintora" &
pid=$!
box=$(wait_for_window '^Missing File$' 60) || fail "no message box for the missing file"
! xdotool search --onlyvisible --name "$caption" >/dev/null || fail "the main window mapped too"
focus_window "$box"
xdotool key Return
wait_for_exit 30 || fail "Return on the message box did not end the program"
((status != 0 && mapped == 0)) || fail "the failed start: status $status, main window shown $mapped"
