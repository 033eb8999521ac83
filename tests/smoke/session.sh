# Sourced by the scripts that run the real program on a virtual X server: its own Xvfb, the device stand-in on a
# free loopback port, the program against it, its main window found, and its close by Alt+F4 checked.
# The sourcing script sets `set -euo pipefail` and a name for its messages in $session_name.

# A clean session: no desktop bus to start on demand, a runtime directory of our own.
export DBUS_SESSION_BUS_ADDRESS=disabled:
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
pid=""
xvfb=""
standin_pid=""
session_cleanup() {
    if [ -n "$pid" ]; then
        # A program that lost its display may not end on TERM.
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 20); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    fi
    if [ -n "$standin_pid" ]; then kill "$standin_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$XDG_RUNTIME_DIR"
}
trap session_cleanup EXIT
# SDL, X11 and fontconfig keep allocations for the life of the process; leak checks belong to the unit tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

fail() {
    echo "$session_name: $*" >&2
    exit 1
}

# start_xvfb: our own X server, on display $DSP_XVFB_DISPLAY when set, else on a number it picks itself
# (-displayfd), so parallel runs never collide.
start_xvfb() {
    if [ -n "${DSP_XVFB_DISPLAY:-}" ]; then
        Xvfb ":$DSP_XVFB_DISPLAY" -screen 0 2600x1400x24 -dpi 96 -nolisten tcp 2>/dev/null &
        xvfb=$!
        echo "$DSP_XVFB_DISPLAY" >"$XDG_RUNTIME_DIR/display"
        for _ in $(seq 1 100); do
            xdpyinfo -display ":$DSP_XVFB_DISPLAY" >/dev/null 2>&1 && break
            sleep 0.1
        done
    else
        Xvfb -displayfd 3 -screen 0 2600x1400x24 -dpi 96 -nolisten tcp 3>"$XDG_RUNTIME_DIR/display" 2>/dev/null &
        xvfb=$!
        for _ in $(seq 1 100); do
            [ -s "$XDG_RUNTIME_DIR/display" ] && break
            sleep 0.1
        done
    fi
    [ -s "$XDG_RUNTIME_DIR/display" ] && kill -0 "$xvfb" 2>/dev/null || fail "Xvfb did not start"
    DISPLAY=":$(head -n 1 "$XDG_RUNTIME_DIR/display")"
    export DISPLAY
}

# start_standin STANDIN [ARGS...]: the stand-in on a free port ($port); its log goes to $standin_log.
standin_log=$XDG_RUNTIME_DIR/standin.log
start_standin() {
    local standin=$1
    shift
    port=""
    for candidate in $(shuf -i 20000-60000 -n 20); do
        "$standin" --port "$candidate" "$@" >"$standin_log" 2>&1 &
        standin_pid=$!
        sleep 0.3
        if kill -0 "$standin_pid" 2>/dev/null; then port=$candidate; break; fi
        standin_pid=""
    done
    [ -n "$port" ] || fail "the device stand-in did not start"
}

# start_program PROGRAM: the program against the stand-in; its main window's id in $wid, its place and size in
# $x $y $width $height. The stand-in identifies itself at once, so the model chooser closes by itself.
start_program() {
    "$1" --device "127.0.0.1:$port" &
    pid=$!
    wid=""
    for _ in $(seq 1 200); do
        wid=$(xdotool search --onlyvisible --name '^DSP Console$' 2>/dev/null | head -n 1 || true)
        [ -n "$wid" ] && break
        kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
        sleep 0.1
    done
    [ -n "$wid" ] || fail "no main window within 20 s"
    local info
    info=$(xwininfo -id "$wid")
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
}

# close_program: Alt+F4 with the pointer over the window (which has the focus without a window manager); the
# program must end within 10 s with exit code 0.
close_program() {
    xdotool mousemove $((x + 100 * ${dpi:-96} / 96)) $((y + 100 * ${dpi:-96} / 96))
    xdotool key alt+F4
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end within 10 s of Alt+F4"
    set +e
    wait "$pid"
    local rc=$?
    set -e
    pid=""
    [ "$rc" = 0 ] || fail "exit code $rc after close, expected 0"
}
