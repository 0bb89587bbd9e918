#!/usr/bin/env bash
# Builds Tintora Conversions and its benchmarks in build-bench/ (Release) and runs them all:
#  - start-up time and memory under one Xvfb, against a bare Qt 6 window and, where Debian's
#    packages are installed, the colour pickers kcolorchooser, gcolor3 and gpick;
#  - the first opening of the Web Browser panel, clicked 1.5 s and 0.1 s after the window
#    appeared: time and processor time to the rendered page, memory after it, and whether the
#    main window kept its X window meanwhile;
#  - the micro-benchmarks (Google Benchmark, offscreen).
# Prints a markdown table and writes it to bench/RESULTS.md.
# TINTORA_BENCH_RUNS sets the runs of each program (default 7, at least 7 for the table).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/setup.sh

runs=${TINTORA_BENCH_RUNS:-7}
build=$root/build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTORA_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target tintora tintora_webview bench_core bareqt mapwatch

work=$(mktemp -d)
xvfb_pid=
cleanup()
{
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# --- Xvfb ------------------------------------------------------------------------------------
display=
for number in $(seq 91 139); do
    if [[ ! -e /tmp/.X$number-lock && ! -e /tmp/.X11-unix/X$number ]]; then
        display=:$number
        break
    fi
done
[[ -n $display ]] || { echo "No free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo -display "$display" >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export DISPLAY=$display QT_QPA_PLATFORM=xcb GDK_BACKEND=x11 NO_AT_BRIDGE=1
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache XDG_DATA_HOME=$work/home/.local/share
# Chromium's sandbox does not run as root.
export QTWEBENGINE_DISABLE_SANDBOX=1
mapwatch=$build/bench/mapwatch
caption="Tintora Systems Management"

# Appends each key=value line of a mapwatch report to $work/<program>.<key>.
record()
{
    local program=$1 line
    while IFS= read -r line; do
        [[ $line == *=* ]] && echo "${line#*=}" >>"$work/$program.${line%%=*}"
    done
}

median()
{
    local file=$work/$1
    [[ -s $file ]] || { echo ""; return; }
    sort -g "$file" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

count()
{
    [[ -s $work/$1 ]] && wc -l <"$work/$1" || echo 0
}

# --- Start-up and memory -----------------------------------------------------------------------
programs=(tintora bareqt)
declare -A command_of=([tintora]="$build/tintora" [bareqt]="$build/bench/bareqt")
declare -A caption_of=([tintora]="$caption")
declare -A label_of=([tintora]="Tintora Conversions" [bareqt]="bare Qt 6 window (floor)"
    [kcolorchooser]="kcolorchooser" [gcolor3]="gcolor3" [gpick]="gpick")
missing=()
for peer in kcolorchooser gcolor3 gpick; do
    if command -v "$peer" >/dev/null; then
        programs+=("$peer")
        command_of[$peer]=$(command -v "$peer")
    else
        missing+=("$peer")
    fi
done

run_startup()
{
    local program=$1 output
    local -a options=()
    [[ -n ${caption_of[$program]:-} ]] && options=(--caption "${caption_of[$program]}")
    if output=$("$mapwatch" "${options[@]}" -- "${command_of[$program]}" 2>>"$work/$program.log"); then
        echo "$output"
    else
        echo "mapwatch failed for $program (see below)" >&2
        tail -3 "$work/$program.log" >&2
    fi
}

echo "Start-up: ${programs[*]}, one warm-up run and $runs measured runs each, interleaved"
for program in "${programs[@]}"; do
    run_startup "$program" >/dev/null
done
for run in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        run_startup "$program" | record "$program"
    done
    echo "  run $run of $runs done"
done

# --- Web Browser panel -------------------------------------------------------------------------
# Two clicks, a fresh process each: 1.5 s after the main window appeared, when the program has
# loaded Qt WebEngine's libraries in the background, and 0.1 s after, before it starts to.
echo "Web Browser panel: $runs first openings of each kind, a fresh process each"
for run in $(seq "$runs"); do
    for kind in browser early; do
        settle=1500
        [[ $kind == early ]] && settle=100
        if output=$("$mapwatch" --browser --settle-ms "$settle" --caption "$caption" -- \
            "$build/tintora" 2>>"$work/browser.log"); then
            echo "$output" | record "$kind"
        else
            echo "mapwatch failed for the browser panel" >&2
            tail -3 "$work/browser.log" >&2
        fi
    done
done

# --- Micro-benchmarks --------------------------------------------------------------------------
echo "Micro-benchmarks"
if ! QT_QPA_PLATFORM=offscreen "$build/bench/bench_core" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_out="$work/core.json" \
    --benchmark_out_format=json --benchmark_format=console >"$work/core.txt" 2>"$work/core.log"; then
    cat "$work/core.txt" "$work/core.log" >&2
    echo "bench_core failed" >&2
    exit 1
fi
grep -E '_median|BigO|RMS' "$work/core.txt" || true

# One aggregate of a benchmark: real_time or cpu_time of its median, in the unit given.
core()
{
    local name=$1 field=$2 unit=$3
    jq -r --arg name "${name}_median" --arg field "$field" --arg unit "$unit" '
        .benchmarks[] | select(.name == $name) |
        (.[$field] * ({"ns": 1, "us": 1000, "ms": 1000000}[.time_unit])
                   / ({"ns": 1, "us": 1000, "ms": 1000000}[$unit]))' "$work/core.json"
}
bigo()
{
    jq -r --arg name "${1}_BigO" '.benchmarks[] | select(.name == $name) |
        "\(.cpu_coefficient | . * 1000 | round / 1000) \(.time_unit) x N"' "$work/core.json"
}
rms()
{
    jq -r --arg name "${1}_RMS" '.benchmarks[] | select(.name == $name) |
        "\(.rms * 100 | round) %"' "$work/core.json"
}

# --- Table -------------------------------------------------------------------------------------
fmt()
{
    # fmt VALUE DECIMALS [DIVISOR]
    [[ -n $1 ]] || { echo "n/a"; return; }
    awk -v v="$1" -v d="$2" -v s="${3:-1}" 'BEGIN { printf "%.*f", d, v / s }'
}
ratio()
{
    [[ -n $1 && -n $2 ]] || { echo "n/a"; return; }
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
per_entry()
{
    # per_entry MICROSECONDS ENTRIES: nanoseconds per entry
    [[ -n $1 ]] || { echo "n/a"; return; }
    awk -v t="$1" -v n="$2" 'BEGIN { printf "%.0f", t * 1000 / n }'
}
verdict()
{
    # verdict EXPRESSION: an awk condition over nothing but numbers
    awk "BEGIN { exit !($1) }" && echo "met" || echo "**missed**"
}

cpu=$(awk -F': *' '/^model name/ { print $2; exit }' /proc/cpuinfo)
cores=$(grep -c '^processor' /proc/cpuinfo)
ram=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
load=$(cut -d' ' -f1-3 /proc/loadavg)
qt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | cut -d- -f1 || true)

bare_map=$(median bareqt.main_map_ms)
bare_rss=$(median bareqt.rss_kb)
our_first=$(median tintora.first_map_ms)
our_main=$(median tintora.main_map_ms)
our_rss=$(median tintora.rss_kb)
# Runs of a kind in which the main window kept its X window through the browser's first opening.
kept()
{
    [[ -s $work/$1.main_window_after ]] || { echo 0; return; }
    paste -d' ' "$work/$1.main_window_before" "$work/$1.main_window_after" \
        "$work/$1.main_window_unmaps" "$work/$1.main_window_destroys" |
        awk '$1 == $2 && $3 == 0 && $4 == 0' | wc -l
}
kept_runs=$(($(kept browser) + $(kept early)))
watched_runs=$(($(count browser.main_window_after) + $(count early.main_window_after)))

{
    echo "# Benchmark results"
    echo
    echo "Machine: $cpu, $cores cores, $ram RAM. Debian $(cat /etc/debian_version), Qt $qt."
    echo "Date: $(date -u '+%Y-%m-%d %H:%M UTC'). Load average when done: $load."
    echo "Reproduce with \`bench/run.sh\`."
    echo
    echo "## Start-up and memory"
    echo
    echo "Under Xvfb, no window manager, QT_QPA_PLATFORM=xcb. Time from exec to the first top-level"
    echo "window mapped (for Tintora: the splash window) and to the main window; memory: VmRSS of"
    echo "the process and all its descendants 1.5 s after the main window was mapped; Tintora has"
    echo "then loaded Qt WebEngine's libraries in the background, which it starts 0.3 s after showing"
    echo "its window. Processor time: what all threads of the process tree had run when the main"
    echo "window was mapped, as the scheduler counts it; other jobs on the machine disturb it far less"
    echo "than the time on the clock. Median of $runs runs, programs interleaved, after one warm-up"
    echo "run each."
    echo
    echo "| program | first window (ms) | main window (ms) | × bare Qt | processor time to it (ms) | RSS (MiB) | × bare Qt | PSS (MiB) | runs |"
    echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
    for program in "${programs[@]}"; do
        main=$(median "$program.main_map_ms")
        rss=$(median "$program.rss_kb")
        echo "| ${label_of[$program]} | $(fmt "$(median "$program.first_map_ms")" 1) |" \
            "$(fmt "$main" 1) | $(ratio "$main" "$bare_map") | $(fmt "$(median "$program.main_map_cpu_ms")" 1) |" \
            "$(fmt "$rss" 1 1024) |" \
            "$(ratio "$rss" "$bare_rss") | $(fmt "$(median "$program.pss_kb")" 1 1024) |" \
            "$(count "$program.main_map_ms") |"
    done
    for peer in "${missing[@]}"; do
        echo "| $peer | not installed | | | | | | | |"
    done
    echo
    echo "## Web Browser panel, first opening"
    echo
    echo "A click on toolbar button 6 of a freshly started program, 1.5 s after its main window"
    echo "appeared (Qt WebEngine's libraries loaded in the background by then) or 0.1 s after (before"
    echo "that load starts), then the browser's place on the screen is read every few milliseconds until"
    echo "it shows the welcome page (white with black text). Processor time: user and system time of"
    echo "the program's process tree from the click to the rendered page, which other jobs on the"
    echo "machine disturb far less than the time on the clock. Memory: the process tree, any helper"
    echo "processes of Qt WebEngine included, 1.5 s after that. Main window kept: runs in which the"
    echo "main window kept its X window (same id, never unmapped or destroyed) from the click until"
    echo "then. QTWEBENGINE_DISABLE_SANDBOX=1 (root); Chromium flags only the plug-in's own."
    echo "Median of $(count browser.browser_render_ms) runs of each kind, interleaved."
    echo
    echo "| click | click to first change on screen (ms) | click to rendered page (ms) | processor time (ms) | RSS after (MiB) | PSS after (MiB) | processes | main window kept |"
    echo "|---|---:|---:|---:|---:|---:|---:|---:|"
    for kind in browser early; do
        label="1.5 s after the window"
        [[ $kind == early ]] && label="0.1 s after the window"
        echo "| $label | $(fmt "$(median "$kind.browser_change_ms")" 1) |" \
            "$(fmt "$(median "$kind.browser_render_ms")" 1) | $(fmt "$(median "$kind.browser_cpu_ms")" 0) |" \
            "$(fmt "$(median "$kind.browser_rss_kb")" 1 1024) | $(fmt "$(median "$kind.browser_pss_kb")" 1 1024) |" \
            "$(median "$kind.browser_processes") | $(kept "$kind") of $(count "$kind.main_window_after") |"
    done
    echo
    echo "## Micro-benchmarks"
    echo
    echo "Google Benchmark, QT_QPA_PLATFORM=offscreen, median of 5 repetitions. The display"
    echo "routines run on a shown main window after start-up, each iteration one change of the real"
    echo "scroll bar (for the swatches a mouse move with the button held): \"repaint\" adds a"
    echo "synchronous repaint of the whole panel, \"changed\" the repaint of what changed, as the"
    echo "event loop would paint it, \"routine only\" nothing. CPU time is the benchmark thread's."
    echo
    echo "| benchmark | real time (µs) | CPU time (µs) |"
    echo "|---|---:|---:|"
    echo "| a colour's three notations | $(fmt "$(core BM_ColorNotations real_time us)" 3) | $(fmt "$(core BM_ColorNotations cpu_time us)" 3) |"
    for routine in RGBScroller HexScroller QBScroller PantoneScroller SwatchPick; do
        for update in repaint changed routine_only; do
            name="BM_$routine/$update"
            echo "| $routine, ${update//_/ } | $(fmt "$(core "$name" real_time us)" 1) | $(fmt "$(core "$name" cpu_time us)" 1) |"
        done
    done
    echo "| page writer (cmdWriteWeb_Click, with fsync) | $(fmt "$(core BM_PageWriter/real_time real_time us)" 1) | $(fmt "$(core BM_PageWriter/real_time cpu_time us)" 1) |"
    for entries in 941 10000 100000; do
        cpu_load=$(core "BM_CatalogLoad/$entries" cpu_time us)
        echo "| catalogue load (4 files), $entries entries; $(per_entry "$cpu_load" "$entries") ns per entry | $(fmt "$(core "BM_CatalogLoad/$entries" real_time us)" 1) | $(fmt "$cpu_load" 1) |"
    done
    for entries in 941 10000 100000; do
        cpu_read=$(core "BM_CatalogRead/$entries" cpu_time us)
        echo "| catalogue reader alone, one file of $entries entries; $(per_entry "$cpu_read" "$entries") ns per entry | $(fmt "$(core "BM_CatalogRead/$entries" real_time us)" 1) | $(fmt "$cpu_read" 1) |"
    done
    echo "| nearest catalogue entry by CIEDE2000, 941 entries | $(fmt "$(core BM_NearestCatalogEntry real_time us)" 1) | $(fmt "$(core BM_NearestCatalogEntry cpu_time us)" 1) |"
    echo "| its set-up: CIELAB of the 941 entries, once | $(fmt "$(core BM_NearestSearchSetUp real_time us)" 1) | $(fmt "$(core BM_NearestSearchSetUp cpu_time us)" 1) |"
    echo "| catalogue search by name (\"485\"), 941 names | $(fmt "$(core BM_CatalogSearchByName real_time us)" 1) | $(fmt "$(core BM_CatalogSearchByName cpu_time us)" 1) |"
    echo "| colour parser, one text of each notation in turn | $(fmt "$(core BM_ParseColor real_time us)" 3) | $(fmt "$(core BM_ParseColor cpu_time us)" 3) |"
    echo "| CMYK of one colour through the SWOP profile, round-trip ΔE included | $(fmt "$(core BM_CmykConvert real_time us)" 2) | $(fmt "$(core BM_CmykConvert cpu_time us)" 2) |"
    for intent in 0 1 2 3; do
        echo "| its set-up: reading the profile, three transforms, intent $intent | $(fmt "$(core "BM_CmykConverterSetUp/$intent" real_time us)" 0) | $(fmt "$(core "BM_CmykConverterSetUp/$intent" cpu_time us)" 0) |"
    done
    echo "| colour window, one colour change: every row (CMYK and the nearest of 941 entries included) into its controls | $(fmt "$(core BM_ColorDetailsUpdate/repaint:0 real_time us)" 1) | $(fmt "$(core BM_ColorDetailsUpdate/repaint:0 cpu_time us)" 1) |"
    echo "| the same with a synchronous repaint of the window | $(fmt "$(core BM_ColorDetailsUpdate/repaint:1 real_time us)" 1) | $(fmt "$(core BM_ColorDetailsUpdate/repaint:1 cpu_time us)" 1) |"
    echo "| search of the usual profile folders | $(fmt "$(core BM_CmykProfileScan real_time us)" 0) | $(fmt "$(core BM_CmykProfileScan cpu_time us)" 0) |"
    for level in 45 70; do
        echo "| nearest passing colour, one failing pair, level $(fmt "$level" 1 10):1 | $(fmt "$(core "BM_NearestPassingColor/$level" real_time us)" 1) | $(fmt "$(core "BM_NearestPassingColor/$level" cpu_time us)" 1) |"
    done
    echo "| tints, shades, tones and harmonies of one colour (25 swatches) | $(fmt "$(core BM_Harmonies real_time us)" 1) | $(fmt "$(core BM_Harmonies cpu_time us)" 1) |"
    echo "| one colour with each of the four colour-vision deficiencies | $(fmt "$(core BM_ColorVision real_time us)" 3) | $(fmt "$(core BM_ColorVision cpu_time us)" 3) |"
    errors=$(jq -r '.benchmarks[] | select(.error_occurred == true) | "\(.name): \(.error_message)"' \
        "$work/core.json" | sort -u)
    if [[ -n $errors ]]; then
        echo
        echo "**Benchmarks that failed their check:**"
        echo "$errors" | sed 's/^/- /'
    fi
    echo
    echo "Fitted to O(N) over the three sizes: loading $(bigo BM_CatalogLoad) (RMS error $(rms BM_CatalogLoad)),"
    echo "the reader alone $(bigo BM_CatalogRead) (RMS error $(rms BM_CatalogRead)). The fixed cost of"
    echo "opening four files and checking the first 941 entries weighs most at 941 entries."
    echo
    echo "## Goals"
    echo
    peers_ok=1
    slowest_peer_note=""
    for program in "${programs[@]}"; do
        [[ $program == tintora || $program == bareqt ]] && continue
        peer_main=$(median "$program.main_map_ms")
        [[ -n $peer_main && -n $our_main ]] || continue
        awk -v a="$our_main" -v b="$peer_main" 'BEGIN { exit !(a <= b * 2 / 3) }' || peers_ok=0
        slowest_peer_note+=" ${label_of[$program]} $(fmt "$peer_main" 0) ms;"
    done
    display_worst=0
    for routine in RGBScroller HexScroller QBScroller PantoneScroller SwatchPick; do
        value=$(core "BM_$routine/repaint" cpu_time us)
        display_worst=$(awk -v a="$display_worst" -v b="${value:-0}" 'BEGIN { print (b > a) ? b : a }')
    done
    load941=$(core BM_CatalogLoad/941 cpu_time us)
    # Linear: an entry costs no more at 100,000 entries than at 10,000, within 1.5 times.
    per10k=$(awk -v t="$(core BM_CatalogLoad/10000 cpu_time ns)" 'BEGIN { print t / 10000 }')
    per100k=$(awk -v t="$(core BM_CatalogLoad/100000 cpu_time ns)" 'BEGIN { print t / 100000 }')
    render=$(median browser.browser_render_ms)
    d2r=$(core BM_ColorNotations cpu_time ns)
    nearest=$(core BM_NearestCatalogEntry cpu_time us)
    passing=$(awk -v a="$(core BM_NearestPassingColor/45 cpu_time us)" \
        -v b="$(core BM_NearestPassingColor/70 cpu_time us)" 'BEGIN { if (a != "" && b != "") print (a > b) ? a : b }')
    echo "| goal | measured | |"
    echo "|---|---|---|"
    echo "| time to window ≤ 1.5 × bare Qt | $(ratio "$our_main" "$bare_map") × ($(fmt "$our_main" 0) ms / $(fmt "$bare_map" 0) ms) | $(verdict "${our_main:-1e9} <= 1.5 * ${bare_map:-0}") |"
    echo "| time to window well ahead of every peer (≤ 2/3 of each peer's) |${slowest_peer_note:- no peer installed} | $( ((peers_ok)) && echo met || echo '**missed**') |"
    echo "| memory before the browser panel ≤ 1.5 × bare Qt | $(ratio "$our_rss" "$bare_rss") × | $(verdict "${our_rss:-1e12} <= 1.5 * ${bare_rss:-0}") |"
    echo "| first browser open to rendered page ≤ 250 ms | $(fmt "$render" 0) ms | $(verdict "${render:-1e9} <= 250") |"
    echo "| main window keeps its X window through the browser's first opening | $kept_runs of $watched_runs runs | $(verdict "$kept_runs > 0 && $kept_runs == $watched_runs") |"
    echo "| one display update incl. widgets < 50 µs (whole-panel repaint, slowest routine, CPU) | $(fmt "$display_worst" 0) µs | $(verdict "$display_worst < 50") |"
    echo "| a colour's three notations < 1 µs (CPU) | $(fmt "$d2r" 0) ns | $(verdict "${d2r:-1e9} < 1000") |"
    echo "| catalogue load linear (per entry at 100,000 ≤ 1.5 × per entry at 10,000) | $(fmt "$per100k" 0) ns vs $(fmt "$per10k" 0) ns per entry | $(verdict "$per100k <= 1.5 * $per10k") |"
    echo "| catalogue load of 941 entries < 2 ms (CPU) | $(fmt "$load941" 0) µs | $(verdict "${load941:-1e9} < 2000") |"
    echo "| nearest catalogue entry < 100 µs (CPU) | $(fmt "$nearest" 0) µs | $(verdict "${nearest:-1e9} < 100") |"
    echo "| nearest passing colour < 5 ms a pair (CPU, slower of AA and AAA) | $(fmt "$passing" 0) µs | $(verdict "${passing:-1e9} < 5000") |"
} >"$work/RESULTS.md"

cp "$work/RESULTS.md" bench/RESULTS.md
echo
cat bench/RESULTS.md
