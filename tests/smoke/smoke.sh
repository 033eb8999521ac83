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
session_name=smoke
. "$(dirname "$0")/session.sh"
start_xvfb
start_standin "$standin"
start_program "$program"
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

# Real key events (XTEST). The stand-in's full read runs under a modal progress dialog first; keys to the main
# window wait for its end.
sleep 3
close_program
echo "smoke: ok (window ${width}x${height} at ${x},${y}, background $colour)"
