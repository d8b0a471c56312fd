#!/bin/sh
# Real key strokes under X, recorded by the game, play back headless to the
# same digests: Enter on the menu starts a game, the arrows and the fire key
# play it, Escape ends it, Enter leaves the scoreboard, then the window closes.
set -eu
game="$1"
close_window="$2"
replay=$(mktemp)
cleanup="$replay"
. "$(dirname "$0")/xvfb.sh"
SDL_AUDIODRIVER=dummy "$game" --record "$replay" &
game_pid=$!
window=$(xdotool search --sync --name "Ember Vortex" | head -n 1)
sleep 2  # past the menu's intro
key() { xdotool key --window "$window" "$@"; }
hold() { xdotool keydown --window "$window" "$1"; sleep "$2"; xdotool keyup --window "$window" "$1"; }
key Return
sleep 1.5  # the fade into the game
hold Left 0.4
hold z 1
key z z
hold Up 0.3
hold Right 0.8
key x
sleep 1
key c
hold Down 0.5
sleep 2
key Escape
sleep 6.5  # the game-over art and its fade
key Return  # leaves the scoreboard for the menu
sleep 0.8
"$close_window" "$window"
wait $game_pid
out=$("$game" --headless --replay "$replay")
echo "$out"
echo "a replay of $(wc -c <"$replay") bytes"
# One game, played past its 600th frame, that ended on the scoreboard.
echo "$out" | grep -q '^game 1: [0-9]* frames, score [0-9]*, hits [0-9]*, peak [0-9]* entities at frame [0-9]*$'
echo "$out" | grep -q '^  frame 600 '
! echo "$out" | grep -q '^game 2'
