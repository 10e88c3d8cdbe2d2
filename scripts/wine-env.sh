# Sourced by the scripts that run the Windows program under Wine. Chooses the
# build Wine can run here: the 32-bit one where the kernel executes 32-bit
# code, otherwise a 64-bit build of the same sources under 64-bit Wine. Sets
# wine_preset and wine_loader, and exports the Wine prefix of that build.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    wine_preset=windows
    wine_loader=/usr/lib/wine/wine
else
    wine_preset=windows64
    wine_loader=/usr/lib/wine/wine64
fi
export WINEPREFIX="$PWD/build/$wine_preset/wineprefix" WINEDEBUG=-all WINELOADER=$wine_loader
