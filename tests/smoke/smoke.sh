#!/usr/bin/env bash
# smoke.sh PROGRAM SCREENSHOT STANDIN [DPI]: runs PROGRAM on its own Xvfb at DPI (96 unless given), checks that its
# main window appears at the skin's size for that DPI (1272x676 at 96) painted with the skin's background, closes it
# with Alt+F4 and expects exit code 0.
set -euo pipefail
program=$1
shot=$2
standin=$3
dpi=${4:-96}
export DSP_CONSOLE_DPI=$dpi
# The window's size: the skin's 1272 x 676 scaled by DPI / 96, truncated; at 192 DPI taller, for the bottom bar
# under the delay row.
want_w=$((1272 * dpi / 96))
want_h=$((676 * dpi / 96))
[ "$dpi" = 192 ] && want_h=1392
# A clean session: no desktop bus to start on demand, a runtime directory of our own.
export DBUS_SESSION_BUS_ADDRESS=disabled:
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
pid=""
xvfb=""
standin_pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    if [ -n "$standin_pid" ]; then kill "$standin_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT
# SDL, X11 and fontconfig keep allocations for the life of the process; leak checks belong to the unit tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Our own X server on a display number it picks itself (-displayfd), so parallel runs never collide.
Xvfb -displayfd 3 -screen 0 2600x1400x24 -dpi 96 -nolisten tcp 3>"$XDG_RUNTIME_DIR/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 1 100); do
    [ -s "$XDG_RUNTIME_DIR/display" ] && break
    sleep 0.1
done
[ -s "$XDG_RUNTIME_DIR/display" ] || { echo "smoke: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$XDG_RUNTIME_DIR/display")"

fail() {
    echo "smoke: $*" >&2
    exit 1
}

# The device stand-in identifies itself at once, so the model chooser closes by itself and the main window shows.
port=""
for candidate in $(shuf -i 20000-60000 -n 20); do
    "$standin" --port "$candidate" >"$XDG_RUNTIME_DIR/standin.log" 2>&1 &
    standin_pid=$!
    sleep 0.3
    if kill -0 "$standin_pid" 2>/dev/null; then port=$candidate; break; fi
    standin_pid=""
done
[ -n "$port" ] || fail "the device stand-in did not start"

"$program" --device "127.0.0.1:$port" &
pid=$!

wid=""
for _ in $(seq 1 200); do
    wid=$(xdotool search --onlyvisible --name '^DSP Console$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$wid" ] || fail "no main window within 20 s"

info=$(xwininfo -id "$wid")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
[ "$width" = "$want_w" ] && [ "$height" = "$want_h" ] || fail "main window is ${width}x${height}, expected ${want_w}x${want_h}"

# The first paint may lag the map a little.
colour=""
for _ in $(seq 1 30); do
    sleep 0.2
    import -window root "$shot"
    # The skin's point (10, 400), where it shows the plain background, at this DPI.
    colour=$(convert "$shot" -format "%[pixel:p{$((x + 10 * dpi / 96)),$((y + 400 * dpi / 96))}]" info:)
    [ "$colour" = "srgb(33,44,61)" ] && break
done
[ "$colour" = "srgb(33,44,61)" ] || fail "background at the skin's (10,400) is $colour, expected srgb(33,44,61)"

# Real key events (XTEST) with the pointer over the window, which has the focus without a window manager.
# The stand-in's full read runs under a modal progress dialog first; keys to the main window wait for its end.
sleep 3
xdotool mousemove $((x + 100 * dpi / 96)) $((y + 100 * dpi / 96))
xdotool key alt+F4
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end within 10 s of Alt+F4"
set +e
wait "$pid"
rc=$?
set -e
pid=""
[ "$rc" = 0 ] || fail "exit code $rc after close, expected 0"
echo "smoke: ok (window ${width}x${height} at ${x},${y}, background $colour)"
