# Sourced: starts Xvfb on a free display, exports DISPLAY, and stops it on exit.
start_xvfb() {
    local fifo dir
    dir=$(mktemp -d)
    fifo="$dir/display"
    mkfifo "$fifo"
    # -displayfd makes Xvfb pick a free display number and report it once ready.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true' EXIT
    local n
    read -r n <"$fifo"
    rm -rf "$dir"
    export DISPLAY=":$n"
}
