#!/usr/bin/env bash
# Measures, over several runs under Xvfb, the time from a program's start to
# its window being mapped and its resident memory once idle: the converter
# beside a one-label Qt window, the toolkit's floor; then the page's first
# paint in headless Chromium beside a page of one label. Usage:
#   bench/startup.sh [pairs of runs] [build dir]
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

# Interleaved, so that a slower moment of the machine weighs on both alike.
minimal=()
converter=()
for _ in $(seq "$runs"); do
    minimal+=("$(measure_once "$build/bench/level_minimal_window")")
    converter+=("$(measure_once "$build/qt/level-converter")")
done
column() { printf '%s\n' "${@:2}" | cut -d' ' -f"$1" | median; }

printf '%-22s %12s %12s\n' program 'map ms' 'RSS kB'
printf '%-22s %12s %12s\n' level_minimal_window "$(column 1 "${minimal[@]}")" "$(column 2 "${minimal[@]}")"
printf '%-22s %12s %12s\n' level-converter "$(column 1 "${converter[@]}")" "$(column 2 "${converter[@]}")"
awk -v c="$(column 1 "${converter[@]}")" -v m="$(column 1 "${minimal[@]}")" \
    'BEGIN { printf "start-up ratio, converter to floor: %.2f\n", c / m }'
echo "(medians of $runs interleaved pairs)"

echo
echo "The page in headless Chromium:"
python3 bench/page_first_paint.py "$(scripts/package --web)" "$runs"
