# Sourced: starts Xvfb on a free display with a window manager, exports DISPLAY, and stops
# both on exit. Wine needs the window manager to keep a top-most window above the others
# and to close windows without waiting for one.
start_xvfb() {
    local dir n
    dir=$(mktemp -d)
    mkfifo "$dir/display"
    # -displayfd makes Xvfb pick a free display number and report it once ready.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'stop_xvfb' EXIT
    read -r n <"$dir/display"
    rm -rf "$dir"
    export DISPLAY=":$n"
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}

stop_xvfb() {
    kill "$WM_PID" "$XVFB_PID" 2>/dev/null || true
    wait "$WM_PID" "$XVFB_PID" 2>/dev/null || true
}
