#!/bin/sh
# Alt+Enter on the menu fills a 1280 x 1024 screen with the console, scaled to
# fit with its shape kept, and a second one (a tap, with the right Alt) brings
# the 400 x 560 window back; the Enter of neither reaches the menu, where it
# would start a game.
#
#   fullscreen.sh GAME WINDOW_MANAGER CLOSE_WINDOW
set -eu
game="$1"
window_manager="$2"
close_window="$3"
for tool in import convert compare; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: skipped"; exit 77; }
done
before=$(mktemp --suffix=.png)
full=$(mktemp --suffix=.png)
after=$(mktemp --suffix=.png)
cleanup="$before $full $after"
xvfb_screen=1280x1024x24
. "$(dirname "$0")/xvfb.sh"
"$window_manager" &
window_manager_pid=$!
SDL_AUDIODRIVER=dummy "$game" &
game_pid=$!
window=$(xdotool search --sync --name "Ember Vortex" | head -n 1)
size() { xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p'; }
# Waits up to 3 s for the window to take the size $1.
wait_size() {
  for _ in $(seq 30); do [ "$(size)" = "$1" ] && return 0; sleep 0.1; done
  echo "the window is $(size), not $1"
  return 1
}
# The box of everything drawn, as "width height".
drawn() { convert "$1" -trim -format '%w %h' info:; }
wait_size 400x560
# Real key events (XTEST) to the focused window: events sent to a window
# (xdotool's --window) leave SDL's modifier state behind its keys.
xdotool windowfocus --sync "$window"
sleep 2.5  # past the menu's intro
import -window "$window" "$before"
# Held a while, so that the held Enter and the X server's repeats are seen too.
xdotool keydown alt+Return
sleep 0.3
xdotool keyup alt+Return
wait_size 1280x1024
sleep 0.5  # a few frames drawn at the new size
import -window "$window" "$full"
xdotool key Alt_R+Return
wait_size 400x560
sleep 0.5
import -window "$window" "$after"
"$close_window" "$window"
wait $game_pid
kill $window_manager_pid
# Scaled alike both ways, by 1024 / 560 (with a cell's rounding either way).
set -- $(drawn "$before") $(drawn "$full")
echo "drawn: $1 x $2 in the window, $3 x $4 full screen"
awk -v w0="$1" -v h0="$2" -v w1="$3" -v h1="$4" 'BEGIN {
  s = 1024 / 560; ok = w1 / w0 > s - 0.1 && w1 / w0 < s + 0.1 && h1 / h0 > s - 0.1 && h1 / h0 < s + 0.1
  exit !ok }' || { echo "the console is not scaled by 1024 / 560 both ways"; exit 1; }
# The menu as it was (its colours cycle, its shapes stay): no Enter picked
# its first item.
for shot in "$before" "$after"; do convert "$shot" -fill white +opaque black "$shot"; done
changed=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
echo "pixels changed on the menu: $changed"
test "$changed" = 0
