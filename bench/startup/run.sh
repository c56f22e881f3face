#!/usr/bin/env bash
# Time from exec to the main window being mapped, and peak memory, of kqsetup beside a minimal Qt Widgets
# program with one empty window (the floor), side by side in one run under a private Xvfb.
# Usage: bench/startup/run.sh [build-dir] [rounds]   (a Release build: make build)
set -euo pipefail
build=${1:-build}
rounds=${2:-10}
display=":$((200 + $$ % 500))"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.05; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# One start: prints "<ms to first map> <peak KiB>".
measure() {
    local events pid start mapped peak
    events=$(mktemp)
    xev -root -event substructure >"$events" &
    local watcher=$!
    sleep 0.2 # xev must be listening before the program starts
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 4000); do grep -q MapNotify "$events" && break; sleep 0.001; done
    mapped=$(date +%s%N)
    sleep 0.3 # let start-up settle before reading the peak
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid" "$watcher" 2>/dev/null || true
    wait "$pid" "$watcher" 2>/dev/null || true
    rm -f "$events"
    echo "$(((mapped - start) / 1000000)) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

program_times=() program_peaks=() floor_times=() floor_peaks=()
for _ in $(seq "$rounds"); do
    read -r t p < <(measure "$build/bin/kqsetup"); program_times+=("$t"); program_peaks+=("$p")
    read -r t p < <(measure "$build/bin/bench_empty_window"); floor_times+=("$t"); floor_peaks+=("$p")
done
pt=$(printf '%s\n' "${program_times[@]}" | median); pp=$(printf '%s\n' "${program_peaks[@]}" | median)
ft=$(printf '%s\n' "${floor_times[@]}" | median); fp=$(printf '%s\n' "${floor_peaks[@]}" | median)
echo "kqsetup:      ${pt} ms to window, peak ${pp} KiB (median of $rounds)"
echo "empty window: ${ft} ms to window, peak ${fp} KiB (median of $rounds)"
awk -v pt="$pt" -v ft="$ft" -v pp="$pp" -v fp="$fp" 'BEGIN {
    printf "ratio: time %.2f (target <= 1.25), peak memory %.2f (target <= 1.20)\n", pt / ft, pp / fp }'
