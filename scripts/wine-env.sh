# Sourced by the scripts that run the Windows programs under Wine.
#
# wine32_missing prints why no 32-bit Wine runs here, and nothing where one
# does. wine_use PRESET sets wine_preset and wine_loader for the build of
# that preset (windows: the 32-bit program, windows64: the 64-bit one) and
# exports its Wine prefix. Sourcing picks the shipped 32-bit build where
# 32-bit Wine runs, otherwise the 64-bit one.
wine32_missing() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        return
    fi
    if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
        echo "the package wine32 could not be installed here (see the install step)"
    else
        echo "this kernel runs no 32-bit code"
    fi
}

wine_use() {
    wine_preset=$1
    if [ "$wine_preset" = windows ]; then
        wine_loader=/usr/lib/wine/wine
    else
        wine_loader=/usr/lib/wine/wine64
    fi
    export WINEPREFIX="$PWD/build/$wine_preset/wineprefix" WINEDEBUG=-all WINELOADER=$wine_loader
}

if [ -z "$(wine32_missing)" ]; then
    wine_use windows
else
    wine_use windows64
fi
