# Sourced by the scripts that run the Windows programs under Wine; the one
# place that knows where Debian keeps Wine's loaders and how a prefix is set
# up for the tests and the screenshots.
#
# wine32_missing prints why no 32-bit Wine runs here, and nothing where one
# does. wine_use PRESET sets wine_preset and wine_loader for the build of
# that preset (windows: the 32-bit program, windows64: the 64-bit one) and
# exports its Wine prefix. Sourcing picks the shipped 32-bit build where
# 32-bit Wine runs, otherwise the 64-bit one.
wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64
# The checkout these scripts belong to, wherever they are run from.
level_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Sourced with --loaders, it names the loaders and nothing more
# (scripts/wine-run, which runs inside a test with its prefix set).
[ "${1:-}" = --loaders ] && return 0

wine32_missing() {
    if "$wine32_loader" --version >/dev/null 2>&1; then
        return
    fi
    if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
        echo "the package wine32 could not be installed here (see the install step)"
    else
        echo "this kernel runs no 32-bit code"
    fi
}

# True where the kernel cannot execute 32-bit code at all, which no package
# and no 32-bit root mends.
kernel_runs_no_32_bit_code() {
    ! scripts/wine32-root --check 2>/dev/null
}

wine_use() {
    wine_preset=$1
    if [ "$wine_preset" = windows ]; then
        wine_loader=$wine32_loader
    else
        wine_loader=$wine64_loader
    fi
    export WINEPREFIX="$level_root/build/$wine_preset/wineprefix" WINEDEBUG=-all WINELOADER=$wine_loader
}

# One wineserver from the first program of a run to its last. Left to
# itself the server ends a few seconds after its last client, and a program
# that starts just then fails to connect ("recvmsg: Connection reset by
# peer"); so it is started persistent, and ended and waited for before the
# next one starts. Wine's own services start with a session's first program
# and live as long as its server: started here, with no output, they hold
# none of a caller's open (a test runner would wait on it for ever). That
# first program runs on a display of its own, as the desktop process it
# starts keeps the display it found, none included; it ends with that
# display, and the next program starts one on its own.
wine_server_start() {
    wineserver -w 2>/dev/null || true
    wineserver -p
    xvfb-run -a "$wine_loader" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
wine_server_stop() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# Sets a value in the prefix's registry, for the next start of Wine on:
# LogPixels (the screen's dots per inch) or ThemeActive (Wine's light visual
# style). The server that took it ends before any program runs, so that no
# desktop process of it outlives the write without a display.
wine_set() {
    local key
    case $1 in
        dpi) key=('HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD) ;;
        theme) key=('HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /t REG_SZ) ;;
        *) echo "wine_set: no setting $1" >&2; return 2 ;;
    esac
    wine_server_start
    "$wine_loader" reg add "${key[@]}" /d "$2" /f >/dev/null 2>&1
    wine_server_stop
}

# Makes a new prefix at WINEPREFIX, on a display of its own; its server
# ends with it.
wine_prefix_make() {
    xvfb-run -a "$wine_loader" wineboot --init >/dev/null 2>&1
    wine_server_stop
}

# Makes the prefix of the build chosen by wine_use ready to run its window:
# Windows' bitmap fonts, which Wine lacks until they are in its prefix (among
# them "MS Sans Serif" for each code page), and the locales Wine is to
# follow, made privately, for Wine follows a locale only where the C library
# has it: en_US and ru_RU, and any named. Exports LOCPATH.
wine_prefix_ready() {
    # Two runs that set up the same prefix at once: one does, the other
    # waits for it.
    mkdir -p "$(dirname "$WINEPREFIX")"
    local lock
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    # A prefix whose making was cut short is made anew.
    if [ ! -e "$WINEPREFIX/.made" ]; then
        rm -rf "$WINEPREFIX"
        wine_prefix_make
        touch "$WINEPREFIX/.made"
    fi
    cp -u /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/"
    export LOCPATH="$level_root/build/$wine_preset/locale"
    mkdir -p "$LOCPATH"
    local locale
    for locale in en_US.UTF-8 ru_RU.UTF-8 "$@"; do
        [ -d "$LOCPATH/$locale" ] || localedef -i "${locale%%.*}" -f UTF-8 "$LOCPATH/$locale"
    done
    exec {lock}>&-
}

if [ -z "$(wine32_missing)" ]; then
    wine_use windows
else
    wine_use windows64
fi
