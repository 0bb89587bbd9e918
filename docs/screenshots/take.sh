#!/usr/bin/env bash
# Takes the README's screenshots: starts the program in a virtual X server, opens each panel in
# turn with a colour chosen on it, and saves a PNG of the window for each into this folder.
# Usage: docs/screenshots/take.sh [program, default build/tintora; or an installed launcher such
#        as /usr/bin/tintora-conversions]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_folder=$(cd "$here/../.." && pwd)
program=${1:-$source_folder/build/tintora}
grab=$source_folder/build/docs/screenshots/grabwindow

if [[ -z ${TINTORA_SCREENSHOT_SERVER:-} ]]; then
    "$source_folder/tools/setup.sh"
    cmake -S "$source_folder" -B "$source_folder/build" -G Ninja >/dev/null
    cmake --build "$source_folder/build" --target tintora tintora_webview grabwindow >/dev/null
    # A server of our own, the same size and depth on every machine.
    exec env TINTORA_SCREENSHOT_SERVER=1 xvfb-run -a -s "-noreset -screen 0 1280x1024x24" \
        "$0" "$@"
fi

source "$source_folder/tests/e2e/xdriver.sh"
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1
# A data folder of its own: a program that may not write its own folder writes its page there, not
# into the user's. (One that may, the build's or an installed one run by root, rewrites its own.)
export XDG_DATA_HOME=$(mktemp -d)
trap 'stop_program; rm -rf "$XDG_DATA_HOME"' EXIT

"$program" &
pid=$!
window=$(wait_for_window "$caption" 60) || fail "the main window did not map"
focus_window "$window"

# Window coordinates: the menu bar is 22 pixels high, the toolbar's buttons 57 pixels wide, and the
# open panel's controls sit 8 pixels right of and 86 pixels below the window's top-left.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
toolbar() { click $((($1 - 1) * 57 + 28)) 37; sleep 0.5; }
in_panel() { click $((8 + $1)) $((86 + $2)); }
keys() { xdotool key --delay 5 "$@"; }
shoot() { sleep 0.5; "$grab" "$window" "$here/$1.png"; echo "$here/$1.png"; }

shoot main-window

toolbar 1 # QB Colors: the focus is on the bar
keys --repeat 9 Down
shoot qb-colors
toolbar 1

toolbar 2 # Pantone: the focus is on the bar
keys --repeat 10 Down # Process Blue C
shoot pantone
toolbar 2

toolbar 3 # RGB: red, green and blue bars, one after the other
keys --repeat 232 Right; keys Tab
keys --repeat 121 Right; keys Tab
keys --repeat 38 Right
shoot rgb
toolbar 3

toolbar 4 # Hex
keys --repeat 51 Right; keys Tab
keys --repeat 153 Right; keys Tab
keys --repeat 204 Right
shoot hex
toolbar 4

toolbar 5 # Swatches: a click on the spectrum
in_panel 92 52
shoot swatches
toolbar 5

toolbar 6 # Web Browser: the RGB colour on the catalogue colour, bold, in the preview
sleep 3 # the browser starts
in_panel 188 44 # RGB Color
in_panel 302 24 # Text Color
in_panel 48 28  # Pantone Color
in_panel 302 40 # Back Color
in_panel 302 64 # Bold
in_panel 184 137
keys ctrl+a
xdotool type --delay 20 "Tintora Conversions"
in_panel 128 188 # View Text Sample in Web Browser
sleep 3
shoot browser
toolbar 6

toolbar 7
shoot help
toolbar 7

choose_file_menu_item x
wait_for_exit 30 || fail "File > Exit did not end the program"
