#!/bin/sh
# A key held for 1.5 s under X gives the game one press and one release: the
# X server's auto-repeat and libtcod's text events never reach it.
set -eu
probe="$1"
display=":$(( 90 + $$ % 100 ))"
out=$(mktemp)
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$out"' EXIT
export DISPLAY="$display"
for _ in 1 2 3 4 5 6 7 8 9 10; do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.3; done
SDL_AUDIODRIVER=dummy "$probe" >"$out" &
probe_pid=$!
window=$(xdotool search --sync --name "Ember Vortex" | head -n 1)
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.3
xdotool keydown --window "$window" z
sleep 1.5
xdotool keyup --window "$window" z
sleep 0.2
xdotool keydown --window "$window" Up
sleep 0.8
xdotool keyup --window "$window" Up
sleep 0.2
xdotool key --window "$window" q
wait $probe_pid
cat "$out"
test "$(grep -c '^press 65 122$' "$out")" -eq 1
test "$(grep -c '^release 65 122$' "$out")" -eq 1
test "$(grep -c '^press 14 ' "$out")" -eq 1
test "$(grep -c '^release 14 ' "$out")" -eq 1
! grep -q '^press 66 ' "$out"
