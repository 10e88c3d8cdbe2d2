#!/usr/bin/env bash
# Measures, over several runs under Xvfb, the time from a program's start to
# its window being mapped and its resident memory once idle: the converter
# beside a one-label Qt window, the toolkit's floor; then the page's cold
# start in headless Chromium, a fresh browser each load, beside a page of
# one label; and the Windows
# programs' under Wine, each beside a one-window Win32 program. Usage:
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

source scripts/x11-env.sh
trap x11_stop EXIT
x11_start 800x600x24

# Prints "milliseconds-to-map resident-kB" for one start of the program.
measure_once() { python3 bench/map_time.py "$@"; }

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

# The Windows programs under Wine, each beside a one-window Win32 program of
# the same build, its server kept running so that no start pays for Wine's
# own; x86 with 32-bit Wine where it runs.
scripts/windows >/dev/null
source scripts/wine-env.sh
for preset in windows windows64; do
    if [ "$preset" = windows ] && [ -n "$(wine32_missing)" ]; then
        echo "x86: no 32-bit Wine here ($(wine32_missing))" >&2
        exit 1
    fi
    wine_use "$preset"
    wine_prefix_ready
    wine_server_start
    floor=()
    program=()
    for _ in $(seq "$runs"); do
        floor+=("$(measure_once "$wine_loader" "build/$preset/bench/level_minimal_window.exe")")
        program+=("$(measure_once "$wine_loader" "build/$preset/win32/level-converter.exe")")
    done
    wine_server_stop
    name=$([ "$preset" = windows ] && echo x86 || echo x64)
    echo
    printf '%-22s %12s %12s\n' "$name under Wine" 'map ms' 'RSS kB'
    printf '%-22s %12s %12s\n' level_minimal_window.exe "$(column 1 "${floor[@]}")" "$(column 2 "${floor[@]}")"
    printf '%-22s %12s %12s\n' level-converter.exe "$(column 1 "${program[@]}")" "$(column 2 "${program[@]}")"
    awk -v c="$(column 1 "${program[@]}")" -v m="$(column 1 "${floor[@]}")" \
        -v name="$name" 'BEGIN { printf "%s start-up ratio, converter to floor: %.2f\n", name, c / m }'
done

echo
echo "The page in headless Chromium:"
python3 bench/page_first_paint.py "$(scripts/package --web)" "$runs"
