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
  sleep 3  # well past the menu's intro of 80 frames, even on a busy machine
  xdotool key --window "$window" Return
  sleep 1
  "$close_window" "$window"
  # A game that does not end on the close is a failure of its own, said as such.
  for _ in $(seq 100); do kill -0 $game_pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $game_pid 2>/dev/null; then
    kill -9 $game_pid
    echo "run $run: the game did not end when its window was closed"
    exit 1
  fi
  wait $game_pid
  if [ -s "$replay" ] && "$game" --headless --replay "$replay" | grep -q '^game 1:'; then
    started=$((started + 1))
  else
    echo "run $run: the tap started no game"
  fi
done
echo "$started of 5 taps started a game"
test "$started" -eq 5
