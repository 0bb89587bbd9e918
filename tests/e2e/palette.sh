#!/usr/bin/env bash
# The palette kept between runs, with the real program in a real X server driven by xdotool:
#  1. killed with SIGKILL as soon as a save of a large palette has begun, the program leaves the
#     palette file whole: the palette before the save or the one after it;
#  2. the next run reads it without a message, and File > Exit saves it with the colour added by
#     Ctrl+D; what the killed saves left behind is gone then.
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
whole() { # the entry counts the file may hold
    [[ $(head -n1 "$file") == "GIMP Palette" && -z $(tail -c1 "$file") && " $* " == *" $(entries) "* ]]
}
add_color() { # starts the program; the Hex panel opens, and its colour goes into the palette
    "$1/tintora" 2>>"$work/stderr" &
    pid=$!
    focus_window "$(wait_for_window "$caption" 60)"
    xdotool sleep 1 key --clearmodifiers alt+4 sleep 0.5 key --clearmodifiers ctrl+d
}

# Megabytes, so that a save takes a while.
count=50000
name=$(printf 'a name long enough to make the file a few megabytes large, %.0s' 1 2)
{
    printf 'GIMP Palette\n#\n'
    for ((i = 0; i < count; i++)); do printf '%d %d 7\t%s\n' $((i % 256)) $((i / 256)) "$name"; done
} >"$file"
midsave=0
for run in 1 2 3 4 5; do
    # The first file made in the folder is the temporary one of the save.
    inotifywait -q -t 20 -e create --format %f "$folder" >"$work/created" &
    watcher=$!
    add_color "$1"
    wait "$watcher" || fail "no save within 20 s of a change"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    pid=
    whole "$count" $((count + 1)) || fail "killed during save $run: $(entries) entries"
    [[ -e $folder/$(<"$work/created") ]] && ((++midsave))
    count=$(entries)
done
((midsave > 0)) || fail "no kill came before a save had finished"
add_color "$1"
! wait_for_window '^Palette$' 3 >/dev/null || fail "the palette saved before a kill was not read"
xdotool key --clearmodifiers alt+f sleep 0.5 key x
wait_for_exit 30 && ((status == 0)) || fail "File > Exit: status ${status:-none}"
! compgen -G "$folder/.palette.gpl.*" >/dev/null || fail "what a killed save left stayed"
whole $((count + 1)) || fail "the run after the kills left $(entries) of $((count + 1)) entries"
[[ ! -s $work/stderr ]] || fail "the program printed on standard error: $(<"$work/stderr")"
