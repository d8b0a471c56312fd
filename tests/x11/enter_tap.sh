#!/bin/sh
# A 12 ms tap of Enter (xdotool's own key stroke) on the menu starts a game,
# every time: five times over, the game is started by one tap and the window
# closed, and the recording must hold one game.
set -eu
game="$1"
close_window="$2"
replay=$(mktemp)
cleanup="$replay"
. "$(dirname "$0")/xvfb.sh"
started=0
for run in 1 2 3 4 5; do
  rm -f "$replay"
  SDL_AUDIODRIVER=dummy "$game" --record "$replay" &
  game_pid=$!
  window=$(xdotool search --sync --name "Ember Vortex" | head -n 1)
  sleep 2  # past the menu's intro
  xdotool key --window "$window" Return
  sleep 1
  "$close_window" "$window"
  wait $game_pid
  if [ -s "$replay" ] && "$game" --headless --replay "$replay" | grep -q '^game 1:'; then
    started=$((started + 1))
  fi
done
echo "$started of 5 taps started a game"
test "$started" -eq 5
