# Shared by the end-to-end scripts: waiting for windows and for the program's end, and the menu
# commands, driven through xdotool. The caller sets pid to the program's process.

caption='^Tintora Systems Management$'

fail() { echo "FAIL: $*"; exit 1; }

# Ends the program if it still runs. Without a program nothing is signalled: `kill 0` would end
# every process of the group, the test runner among them.
stop_program() {
    [[ -n ${pid:-} ]] && kill "$pid" 2>/dev/null
    pid=
    return 0
}

open_windows() { # the names of the visible windows, for a failure message
    local id names=()
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        names+=("\"$(xdotool getwindowname "$id" 2>/dev/null)\"")
    done
    echo "${names[*]:-none}"
}

wait_for_window() { # name pattern, seconds; prints the window id
    local deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

wait_for_exit() { # seconds; sets status
    local deadline=$((SECONDS + $1))
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    wait "$pid"
    status=$?
    pid=
    return 0
}

focus_window() { # window id
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
}

choose_file_menu_item() { # mnemonic key of the item: r for Reset, x for Exit
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    xdotool key "$1"
}

start_then_choose() { # File menu keys ("x", or "r x"), then the command that starts the program
    local items=$1 item window
    shift
    "$@" &
    pid=$!
    window=$(wait_for_window "$caption" 60) || fail "the main window of $* did not map"
    focus_window "$window"
    for item in $items; do
        [[ $item == x ]] || sleep 1
        choose_file_menu_item "$item"
    done
    wait_for_exit 30 || fail "File > Exit did not end $*; windows shown: $(open_windows)"
    ((status == 0)) || fail "File > Exit ended $* with status $status"
}
