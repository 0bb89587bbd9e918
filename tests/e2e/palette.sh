#!/usr/bin/env bash
# The palette kept between runs, with the real program in a real X server driven by xdotool:
#  1. a colour added with Ctrl+D in one run is in the palette file after File > Exit, beside the
#     entry written before, and the next run adds to what the last one saved;
#  2. a SIGKILL at any moment around a save of a large palette leaves a palette file that holds
#     either the palette before the save or the one after, whole, which the next run reads without
#     a message and adds to; what the killed saves left behind is gone after the next save.
# Usage (inside an X server, e.g. under xvfb-run): palette.sh <program folder of the build>
set -uo pipefail
source "$(dirname "$0")/xdriver.sh"
work=$(mktemp -d)
trap 'stop_program; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work XDG_DATA_HOME=$work/data
# Killed on purpose: what the process held is no leak.
export ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0
folder="$work/data/Tintora Systems/Tintora Conversions"
file=$folder/palette.gpl
mkdir -p "$folder"

entries() { grep -cE '^ *[0-9]+ +[0-9]+ +[0-9]+' "$file"; }
whole() { # entry counts the file may hold
    [[ $(head -n1 "$file") == "GIMP Palette" && $(tail -c1 "$file" | od -An -c) == *'\n'* ]] &&
        [[ " $* " == *" $(entries) "* ]]
}
start() {
    "$1/tintora" 2>>"$work/stderr" &
    pid=$!
    focus_window "$(wait_for_window "$caption" 60)" || fail "the main window did not map"
}
add_hex_color() { # the Hex panel opens, its colour goes into the palette
    xdotool key --clearmodifiers alt+4
    sleep 0.5
    xdotool key --clearmodifiers ctrl+d
}
quit() {
    sleep 0.5
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    xdotool key x
    wait_for_exit 30 && ((status == 0)) || fail "File > Exit: status ${status:-none}"
}

printf 'GIMP Palette\n#\n 70 130 180\tSteel Blue\n' >"$file"
for run in 1 2; do
    start "$1"
    add_hex_color
    quit
    whole $((run + 1)) && grep -q 'Steel Blue' "$file" ||
        fail "run $run left $(entries) entries: $(<"$file")"
done

# Large enough that a save takes a while. The program is killed as soon as a file appears in the
# folder: the temporary one of the save that a change starts half a second later.
count=50000
name=$(printf 'a name long enough to make the file a few megabytes large, %.0s' 1 2)
{
    printf 'GIMP Palette\n#\n'
    for ((i = 0; i < count; i++)); do printf '%3d %3d   7\t%s\n' $((i % 256)) $((i / 256)) "$name"; done
} >"$file"
midsave=0
for run in 1 2 3 4 5; do
    start "$1"
    inotifywait -q -t 20 -e create --format %f "$folder" >"$work/created" & watcher=$!
    sleep 0.3
    add_hex_color
    wait "$watcher" || fail "no save within 20 s of a change"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    pid=
    whole "$count" $((count + 1)) || fail "killed during save $run: $(entries) entries"
    [[ -e $folder/$(<"$work/created") ]] && ((++midsave))
    count=$(entries)
done
((midsave > 0)) || fail "no kill came before a save had finished"
start "$1"
add_hex_color
! wait_for_window '^Palette$' 3 >/dev/null || fail "the palette saved before a kill was not read"
quit
! compgen -G "$folder/.palette.gpl.*" >/dev/null || fail "what a killed save left stayed"
whole $((count + 1)) || fail "the run after the kills left $(entries) of $((count + 1)) entries"
[[ ! -s $work/stderr ]] || fail "the program printed on standard error: $(<"$work/stderr")"
