#!/usr/bin/env bash
# Measures, over several runs under Xvfb, the time from a program's start to
# its window being mapped and its resident memory once idle: the converter
# beside a one-label Qt window, the toolkit's floor. Usage:
#   bench/startup.sh [runs] [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
build=${2:-build/release}

for package in xvfb libx11-6 python3; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null
done
scripts/install-deps
cmake --preset release >/dev/null
cmake --build "$build" --target level-converter level_minimal_window >/dev/null

export DISPLAY=:58
Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1

# Prints "milliseconds-to-map resident-kB" for one start of the program.
measure_once() { python3 bench/map_time.py "$1"; }

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

printf '%-22s %12s %12s\n' program 'map ms' 'RSS kB'
for entry in "level_minimal_window:$build/bench/level_minimal_window" \
             "level-converter:$build/qt/level-converter"; do
    class=${entry%%:*}
    program=${entry#*:}
    results=$(for _ in $(seq "$runs"); do measure_once "$program"; done)
    printf '%-22s %12s %12s\n' "$class" \
        "$(cut -d' ' -f1 <<<"$results" | median)" "$(cut -d' ' -f2 <<<"$results" | median)"
done
echo "(medians of $runs runs each)"
