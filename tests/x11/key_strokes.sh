#!/bin/sh
# A key held for 1.5 s under X gives the game one press and one release: the
# X server's auto-repeat and libtcod's text events never reach it.
set -eu
probe="$1"
out=$(mktemp)
cleanup="$out"
. "$(dirname "$0")/xvfb.sh"
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
