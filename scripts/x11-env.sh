# Sourced by the scripts that need an X server of their own: Xvfb on a
# display it picks free itself, told over -displayfd, and openbox, each
# waited for until it is ready and failing with what never came.
#
# x11_start GEOMETRY starts the server and exports DISPLAY; x11_manager
# starts the window manager on it; x11_stop ends both.

x11_start() {
    x11_said=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$x11_said" >/dev/null 2>&1 &
    x11_server=$!
    local _
    for _ in $(seq 100); do
        if [ -s "$x11_said" ]; then
            export DISPLAY=:$(head -n 1 "$x11_said")
            rm -f "$x11_said"
            return 0
        fi
        kill -0 "$x11_server" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$x11_said"
    echo "Xvfb never said which display it took" >&2
    return 1
}

x11_manager() {
    openbox >/dev/null 2>&1 &
    x11_wm=$!
    local _
    # Ready once it has named itself on the root window.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.1
    done
    echo "openbox never named itself on the root window of $DISPLAY" >&2
    return 1
}

x11_stop() {
    kill ${x11_wm:-} ${x11_server:-} 2>/dev/null || true
    wait ${x11_wm:-} ${x11_server:-} 2>/dev/null || true
}
