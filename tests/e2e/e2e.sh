#!/usr/bin/env bash
# Runs the real program in a real X server and drives it with xdotool:
#  1. with the shipped data the main window maps with its caption and File > Exit ends it with 0;
#  2. the Web Browser panel shows its page without making the main window anew, and a close
#     request during its first opening ends the program with 0;
#  3. without Pantone/bluelist.dat the message box appears, Return dismisses it, the process ends
#     with a non-zero status and the main window never maps.
# Usage (inside an X server, e.g. under xvfb-run): e2e.sh <program folder of the build> <mapwatch>
set -uo pipefail

source "$(dirname "$0")/xdriver.sh"
build_folder=$1
mapwatch=$2
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT

# A program folder of its own, so removing a file leaves the build alone.
cp "$build_folder/tintora" "$work/"
cp -r "$build_folder/Pantone" "$build_folder/Webdask" "$work/"

export QT_QPA_PLATFORM=xcb

# 1. A normal start and File > Exit.
start_then_choose x "$work/tintora"
echo "PASS: main window mapped, File > Exit ended with status 0"

# 2. The Web Browser panel, opened by mapwatch's click (as root, without Chromium's sandbox; not
#    under the sanitizers, which Chromium refuses): the page shows while the main window keeps its
#    X window (same id, never unmapped or destroyed), and a close request at any moment of the
#    first opening ends the program with 0.
cp "$build_folder"/libtintora_webview.so "$work/" 2>/dev/null
if [[ -e $work/libtintora_webview.so ]] && ! ldd "$work/tintora" | grep -q libasan; then
    watch() { env -u QTWEBENGINE_DISABLE_SANDBOX "$mapwatch" --browser --settle-ms 500 \
        --caption "Tintora Systems Management" "$@" -- "$work/tintora" 2>>"$work/mapwatch.log"; }
    value() { sed -n "s/^$1=//p" <<<"$report"; }
    report=$(watch) || fail "the Web Browser panel showed no page: $(tail -1 "$work/mapwatch.log")"
    [[ $(value main_window_after) == "$(value main_window_before)" &&
        $(value main_window_unmaps)$(value main_window_destroys) == 00 ]] ||
        fail "the main window was made anew, unmapped or destroyed when the browser opened"
    for delay in 0 50 100 150 250 400 3000; do
        report=$(watch --close-after-ms "$delay") && [[ $(value close_exit_status) == 0 ]] ||
            fail "a close request $delay ms after the click did not end the program with 0"
    done
    echo "PASS: the Web Browser panel showed its page in the same main window, close requests" \
         "during its first opening ended the program with 0"
fi

# 3. A missing catalogue file.
rm "$work/Pantone/bluelist.dat"
"$work/tintora" &
pid=$!
box=$(wait_for_window '^Missing File$' 60) || fail "no message box for the missing file"
if xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; then
    fail "the main window mapped although the catalogue is incomplete"
fi
focus_window "$box"
xdotool key Return
mapped=0
deadline=$((SECONDS + 30))
while kill -0 "$pid" 2>/dev/null && ((SECONDS < deadline)); do
    xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1 && mapped=1
    sleep 0.05
done
wait_for_exit 1 || fail "Return on the message box did not end the program"
((status != 0)) || fail "a failed start ended with status 0"
((mapped == 0)) || fail "the main window mapped after the failed start"
echo "PASS: message box shown, Return ended the program with status $status," \
     "main window never mapped"
echo "all passed"
