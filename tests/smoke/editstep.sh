#!/usr/bin/env bash
# editstep.sh PROGRAM STANDIN: runs PROGRAM on its own Xvfb at 96 DPI against the device stand-in, waits for the
# full read, clicks CH1's band 1 gain edit, presses Up, and expects the stand-in to receive that band's gain one
# step up (device image bytes 81..82 from 00 96 at 0 dB to 00 95); then closes the window with Alt+F4 and expects
# exit code 0.
# Skips (77) where Xvfb or xdotool is missing.
set -euo pipefail
program=$1
standin=$2
for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "editstep: $tool missing, skipped"; exit 77; }
done
export DSP_CONSOLE_DPI=96
session_name=editstep
. "$(dirname "$0")/session.sh"
start_xvfb
start_standin "$standin" --log-bytes
start_program "$program"

# The names request follows the main image's read; the routing read after it is one short answer.
for _ in $(seq 1 300); do
    grep -q '^rx 1A ' "$standin_log" && break
    sleep 0.1
done
grep -q '^rx 1A ' "$standin_log" || fail "no full read within 30 s"
sleep 2

# The gain edit of band 1 sits at (157, 313), 30 x 13, in the window at 96 DPI; CH1 is the current channel.
xdotool mousemove $((x + 172)) $((y + 319)) click 1
sleep 0.5
xdotool key Up

# A write of the main image that sets bytes 81..82 to 00 95 (+0.1 dB: the gain byte counts down from 150). Its line:
# rx 11 len L: 11 HI LO N BYTES...
stepped() {
    awk 'function hex(h,  i, v) { v = 0; for (i = 1; i <= length(h); i++) v = v * 16 + index("0123456789ABCDEF", substr(h, i, 1)) - 1; return v }
        $1 == "rx" && $2 == "11" && NF >= 9 {
            addr = hex($6) * 256 + hex($7); n = hex($8)
            if (addr <= 81 && 82 < addr + n && hex($(9 + 81 - addr)) == 0 && hex($(9 + 82 - addr)) == 149) found = 1
        } END { exit !found }' "$standin_log"
}
for _ in $(seq 1 150); do
    stepped && break
    sleep 0.1
done
stepped || fail "the stand-in received no step of CH1 band 1's gain within 15 s; its log: $(tail -n 5 "$standin_log")"
close_program
echo "editstep: ok"
