#!/usr/bin/env bash
# Runs the real program in a real X server and drives it with xdotool:
#  1. with the shipped data the main window maps with its caption and File > Exit ends it with 0;
#  2. opening the Web Browser panel starts the browser without ending the program, and File > Exit
#     then ends it with 0;
#  3. without Pantone/bluelist.dat the message box appears, Return dismisses it, the process ends
#     with a non-zero status and the main window never maps.
# Usage (inside an X server, e.g. under xvfb-run): e2e.sh <program folder of the build>
set -uo pipefail

source "$(dirname "$0")/xdriver.sh"
build_folder=$1
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT

# A program folder of its own, so removing a file leaves the build alone.
cp "$build_folder/tintora" "$work/"
cp -r "$build_folder/Pantone" "$build_folder/Webdask" "$work/"

export QT_QPA_PLATFORM=xcb

# 1. A normal start and File > Exit.
start_then_choose x "$work/tintora"
echo "PASS: main window mapped, File > Exit ended with status 0"

# 2. The Web Browser panel starts the browser (as root, without Chromium's sandbox). Chromium
#    does not run under the sanitizers: this step is for the plain build.
cp "$build_folder"/libtintora_webview.so "$work/" 2>/dev/null
if [[ -e $work/libtintora_webview.so ]] && ! ldd "$work/tintora" | grep -q libasan; then
    env -u QTWEBENGINE_DISABLE_SANDBOX "$work/tintora" &
    pid=$!
    window=$(wait_for_window "$caption" 60) || fail "the main window did not map"
    # The sixth toolbar button, below the menu bar.
    xdotool mousemove --window "$window" 313 37 click 1
    sleep 5
    kill -0 "$pid" 2>/dev/null || fail "the program ended when the Web Browser panel opened"
    # The browser draws with OpenGL, for which Qt makes the window anew: it has another id now.
    window=$(wait_for_window "$caption" 10) || fail "the main window is gone"
    focus_window "$window"
    choose_file_menu_item x
    wait_for_exit 30 || fail "File > Exit did not end the program with the browser open"
    ((status == 0)) || fail "File > Exit with the browser open ended with status $status"
    echo "PASS: the Web Browser panel opened with the browser, File > Exit ended with status 0"
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
