# Shared by the end-to-end scripts: waiting for windows and for the program's end, and the File
# menu, driven through xdotool. The caller sets pid to the program's process.
caption='^Tintora Systems Management$'

fail() { echo "FAIL: $*"; exit 1; }

# Without a program nothing is signalled: `kill ""` is harmless, `kill 0` would end the runner.
stop_program() { [[ -z ${pid:-} ]] || kill "$pid" 2>/dev/null; pid=; }

wait_for_window() { # name pattern, seconds; prints the window id
    local ids
    ids=$(timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null) &&
        echo "${ids%%$'\n'*}"
}

wait_for_exit() { # seconds; sets status, and mapped to 1 if the main window showed meanwhile
    local deadline=$((SECONDS + $1))
    mapped=0
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1 && mapped=1
        sleep 0.05
    done
    wait "$pid"
    status=$?
    pid=
}

focus_window() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
}

start_then_choose() { # File menu keys ("x", or "r x"), then the command that starts the program
    local item window
    "${@:2}" &
    pid=$!
    window=$(wait_for_window "$caption" 60) || fail "the main window of ${*:2} did not map"
    focus_window "$window"
    for item in $1; do
        sleep 1
        xdotool key --clearmodifiers alt+f
        sleep 0.5
        xdotool key "$item"
    done
    wait_for_exit 30 || fail "File > Exit did not end ${*:2}"
    ((status == 0)) || fail "File > Exit ended ${*:2} with status $status"
}
