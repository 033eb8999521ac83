#!/usr/bin/env bash
# smoke.sh PROGRAM SCREENSHOT: runs PROGRAM under Xvfb at 96 DPI, checks that its 1272x676 main window appears
# painted with the placeholder skin's background, closes it with Alt+F4 and expects exit code 0.
set -euo pipefail
program=$1
shot=$2
if [ -z "${SMOKE_INNER:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96" env SMOKE_INNER=1 "$0" "$@"
fi
export DSP_CONSOLE_DPI=96
# SDL, X11 and fontconfig keep allocations for the life of the process; leak checks belong to the unit tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

fail() {
    echo "smoke: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

"$program" --device 127.0.0.1:1 &
pid=$!

wid=""
for _ in $(seq 1 100); do
    wid=$(xdotool search --onlyvisible --name '^DSP Console$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$wid" ] || fail "no main window within 10 s"

info=$(xwininfo -id "$wid")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
[ "$width" = 1272 ] && [ "$height" = 676 ] || fail "main window is ${width}x${height}, expected 1272x676"

# The first paint may lag the map a little.
colour=""
for _ in $(seq 1 30); do
    sleep 0.2
    import -window root "$shot"
    colour=$(convert "$shot" -format "%[pixel:p{$((x + 200)),$((y + 400))}]" info:)
    [ "$colour" = "srgb(33,44,61)" ] && break
done
[ "$colour" = "srgb(33,44,61)" ] || fail "background at (200,400) is $colour, expected srgb(33,44,61)"

xdotool mousemove --window "$wid" 100 100 key alt+F4
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end within 10 s of Alt+F4"
set +e
wait "$pid"
rc=$?
set -e
[ "$rc" = 0 ] || fail "exit code $rc after close, expected 0"
echo "smoke: ok (window ${width}x${height} at ${x},${y}, background $colour)"
