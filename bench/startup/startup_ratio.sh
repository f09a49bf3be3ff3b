#!/usr/bin/env bash
# Start-up benchmark: from starting a program to its main window being viewable on an
# Xvfb screen, the program against an empty Qt main window of the same size. Each is
# started RUNS times (default 5) in one run, polled every 10 ms with xwininfo; prints
# each median and the ratio. The program's user folder is seeded by a first start that
# is not counted. Needs xvfb and x11-utils.
# Usage: bench/startup/startup_ratio.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-5}
program="$build/bin/devudirurero"
empty="$build/bench/startup_empty_window"
for tool in Xvfb xwininfo; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (Debian: xvfb, x11-utils)" >&2; exit 2; }
done
[ -x "$program" ] && [ -x "$empty" ] || { echo "build $program and $empty first" >&2; exit 2; }

home=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/.config LANG=C.UTF-8
unset QT_QPA_PLATFORM
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done

# Whether a top-level window whose title begins with $1 is viewable (Qt adds the
# application's name to the title).
window_id() { xwininfo -root -children 2>/dev/null | grep -F "\"$1" | awk '{ print $1; exit }'; }
viewable() {
    local id
    id=$(window_id "$1")
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable
}

# Milliseconds from start to a viewable top-level window titled $1; the program is the rest.
time_to_window() {
    local title=$1
    shift
    local started now
    started=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 1000); do
        if viewable "$title"; then
            now=$(date +%s%N)
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null || true
            echo $(((now - started) / 1000000))
            return 0
        fi
        sleep 0.01
    done
    kill "$pid" 2>/dev/null
    echo "no window titled '$title' within 10 s" >&2
    return 1
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

title="Morvak's DevuDirurero"
time_to_window "$title" "$program" >/dev/null # seeds the user folder
geometry=$(
    "$program" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 500); do
        viewable "$title" && break
        sleep 0.02
    done
    xwininfo -id "$(window_id "$title")" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'
    kill $pid
)
read -r width height <<<"$geometry"

program_times=()
empty_times=()
for _ in $(seq "$runs"); do
    program_times+=("$(time_to_window "$title" "$program")")
    empty_times+=("$(time_to_window "Empty main window" "$empty" "$width" "$height")")
done
program_median=$(printf '%s\n' "${program_times[@]}" | median)
empty_median=$(printf '%s\n' "${empty_times[@]}" | median)
echo "window ${width}x${height}, $runs runs each"
echo "program:      ${program_times[*]} ms, median $program_median ms"
echo "empty window: ${empty_times[*]} ms, median $empty_median ms"
awk -v p="$program_median" -v e="$empty_median" 'BEGIN { printf "ratio: %.2f\n", p / e }'
