#!/bin/sh
# One whole session in a real window under Xvfb, driven by real X key events:
# the intro and the menu, the scoreboard, the options with a remapped keyboard,
# the credits, a game played until the ship is lost, the name entry, the
# continue offer declined, the game-over sequence, the scoreboard with the new
# name, and QUIT. Every screen is read back from screenshots of the window.
#
#   play_through.sh GAME_FOLDER SCREEN_READER
#
# GAME_FOLDER holds ember_vortex, terminal/ and sound/. With EV_SCREENSHOTS set
# to a folder, the menu, play and scoreboard shots are copied there.
set -eu

game_folder=$1
reader=$2
skip=77
for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is missing: skipped"
    exit $skip
  fi
done

tmp=$(mktemp -d)
run="$tmp/game"  # the game's own folder: nothing else is written here
work="$tmp/work"
mkdir -p "$run/data" "$work"
xvfb=""
game=""
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The game finds its folders beside its executable (through /proc/self/exe,
# which sees through a symbolic link), so the executable is copied.
cp "$game_folder/ember_vortex" "$run/"
ln -s "$game_folder/terminal" "$run/terminal"
ln -s "$game_folder/sound" "$run/sound"
font="$run/terminal/terminal.png"

started=$(date +%s)
note() { echo "[$(($(date +%s) - started))s] $*"; }

# --- High-score rows: score, 4 zero bytes, multiplier 1.0, hits, name -----

le32() {
  v=$1
  # shellcheck disable=SC2059 # the octal escapes are built on purpose
  printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((v & 255)) $((v >> 8 & 255)) \
    $((v >> 16 & 255)) $((v >> 24 & 255)))"
}
score_row() {
  le32 "$1"
  le32 0
  printf '\000\000\000\000\000\000\360\077'
  le32 "$2"
  printf '%s\000' "$3"
}
# Fewer than twenty rows: any score above 0 enters; every point scored in play
# is worth more than these, so the new row comes first.
{
  score_row 3 3 AAA
  score_row 2 2 BBB
  score_row 1 1 CCC
} >"$run/data/scoreDat.data"

row_field() {  # FILE ROW OFFSET: a signed 32-bit field of a high-score row
  od -An -v -t d4 -j $(($2 * 24 + $3)) -N 4 "$1" | tr -d ' '
}
row_name() {
  dd if="$1" bs=1 skip=$(($2 * 24 + 20)) count=3 2>/dev/null
}

# --- The display and the window --------------------------------------------

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 640x640x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
note "Xvfb on $DISPLAY"

SDL_AUDIODRIVER=dummy "$run/ember_vortex" >"$work/game.out" 2>&1 &
game=$!

fail() {
  note "FAILED: $*"
  if [ -s "$work/grid" ]; then
    echo "last screen read back:"
    sed 's/^/  |/' "$work/grid"
  fi
  [ -s "$work/game.out" ] && { echo "game output:"; cat "$work/game.out"; }
  exit 1
}

win=""
deadline=$(($(date +%s) + 30))
while [ -z "$win" ]; do
  kill -0 "$game" 2>/dev/null || fail "the game ended before its window opened"
  [ "$(date +%s)" -lt "$deadline" ] || fail "no window named Ember Vortex"
  win=$(xdotool search --name '^Ember Vortex$' 2>/dev/null | head -n 1) || true
  [ -n "$win" ] || sleep 0.1
done
title=$(xdotool getwindowname "$win")
[ "$title" = "Ember Vortex" ] || fail "window title \"$title\""
# No window manager: the one window takes the focus and the X test keys go to it.
for _ in $(seq 50); do
  xdotool windowfocus "$win" 2>/dev/null || true
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && break
  sleep 0.1
done
note "window $win \"$title\""

# --- Reading the screen ----------------------------------------------------

shot() {  # a screenshot, and its 70 rows of text in $work/grid
  import -window "$win" "$work/shot.png" 2>/dev/null || return 1
  "$reader" "$font" "$work/shot.png" >"$work/grid"
}
text_at() {  # X Y LENGTH: the text of the last screenshot
  sed -n "$(($2 + 1))p" "$work/grid" | cut -c"$(($1 + 1))-$(($1 + $3))"
}
shows() {  # X Y TEXT: the last screenshot holds TEXT at column X, row Y
  [ "$(text_at "$1" "$2" ${#3})" = "$3" ]
}
colour() {  # X Y: the colour of the cell's lit pixels in the last screenshot
  "$reader" "$font" "$work/shot.png" "$1" "$2"
}
keep() {  # NAME: keeps the last screenshot for the documentation
  cp "$work/shot.png" "$work/keep-$1.png"
}

# Polls screenshots until CONDITION ARGS... holds on one of them.
wait_for() {
  seconds=$1
  shift
  until_time=$(($(date +%s) + seconds))
  while :; do
    if shot && "$@"; then return 0; fi
    kill -0 "$game" 2>/dev/null || fail "the game ended while waiting for: $*"
    [ "$(date +%s)" -lt "$until_time" ] || return 1
    sleep 0.2
  done
}
expect() {  # SECONDS CONDITION ARGS...
  wait_for "$@" || { shift; fail "waited for: $*"; }
}
check() {  # CONDITION ARGS... on the last screenshot
  "$@" || fail "on the screen: $*"
}
check_colour() {  # X Y "R G B"
  got=$(colour "$1" "$2")
  [ "$got" = "$3" ] || fail "colour at $1,$2 is $got, expected $3"
}

# --- Keys --------------------------------------------------------------------

# A key is held for a few frames: the menus read the keys' state once a frame.
press() {
  xdotool keydown "$1"
  sleep 0.08
  xdotool keyup "$1"
}
# Presses KEY until CONDITION holds; a press lost to a slow frame is repeated.
press_until() {  # KEY CONDITION ARGS...
  key=$1
  shift
  for _ in 1 2 3 4 5; do
    press "$key"
    if wait_for 3 "$@"; then return 0; fi
  done
  fail "pressed $key, waited for: $*"
}

gray="127 127 127"
not_gray_at() {  # X Y: a lit cell in another colour than the unselected grey
  c=$(colour "$1" "$2")
  [ "$c" != "dark" ] && [ "$c" != "$gray" ]
}
# Moves a highlight to the entry at TARGET among the rows given (each "X Y"
# of a lit cell of the entry), reading where it is from each screenshot.
select_entry() {  # TARGET_Y "X Y"...
  target=$1
  shift
  for _ in $(seq 12); do
    shot || continue
    at=""
    for cell in "$@"; do
      # shellcheck disable=SC2086 # a cell is two numbers
      if not_gray_at $cell; then at=${cell#* }; fi
    done
    [ -n "$at" ] || fail "no entry highlighted among: $*"
    [ "$at" -eq "$target" ] && return 0
    if [ "$at" -lt "$target" ]; then press Down; else press Up; fi
    sleep 0.15
  done
  fail "could not move the highlight to row $target"
}
menu_rows() {  # one lit cell of each menu label
  select_entry "$1" "20 26" "20 28" "21 30" "21 32" "23 34"
}
options_rows() {
  select_entry "$1" "20 26" "22 28" "19 30" "18 32" "17 34" "18 36"
}

menu_shown() {
  shows 20 26 "Start Game" && shows 20 28 "Scoreboard" && shows 21 30 "Options" &&
    shows 21 32 "Credits" && shows 23 34 "QUIT"
}

# --- Intro and title menu ----------------------------------------------------

# Block one rises from below the console before the menu stands: at least one
# screenshot shows it on its way, without the menu.
intro_frames=0
intro_seen() {
  if menu_shown; then return 0; fi
  rising=$(grep -n '^ *|__  |\\  /|' "$work/grid" | head -n 1 | cut -d: -f1)
  if [ -n "$rising" ] && [ "$rising" -gt 7 ]; then intro_frames=$((intro_frames + 1)); fi
  return 1
}
expect 30 intro_seen
[ "$intro_frames" -gt 0 ] || fail "no frame of the intro seen"
note "intro seen on $intro_frames screenshots, then the menu"

check shows 6 5 " __          __   __   __"
check shows 12 13 "  \\/   |__| |  \\  |  |__  /  \\"
check shows 24 60 "Arrows, Enter to choose"
# "Start Game" and the logo share the cycling colour; the rest are grey.
hue=$(colour 7 5)
check_colour 20 26 "$hue"
check_colour 24 60 "$hue"
for cell in "20 28" "21 30" "21 32" "23 34"; do
  # shellcheck disable=SC2086
  check_colour $cell "$gray"
done
[ "$hue" != "$gray" ] || fail "the highlight is grey"
keep menu
sleep 0.3
shot
[ "$(colour 20 26)" != "$hue" ] || fail "the highlight's colour does not cycle ($hue)"
note "menu: five labels, Start Game in $hue, the others in $gray"

# --- Scoreboard from the menu --------------------------------------------------

menu_rows 28
board_shown() { shows 13 18 "RANK NAME   SCORE    HITS"; }
press_until Return board_shown
check shows 14 20 " 1:  AAA 0000000003 3"
check shows 14 21 " 2:  BBB 0000000002 2"
check shows 14 22 " 3:  CCC 0000000001 1"
check shows 14 23 "                     "
note "scoreboard: the three rows of the file"
press_until Return menu_shown
# The menu resumes where it was.
check not_gray_at 20 28

# --- Options: particles on, the keyboard remapped, saved ---------------------

menu_rows 30
options_shown() { shows 20 26 "Particles:    Off" && shows 18 36 "Exit and Save:"; }
press_until Return options_shown
check shows 22 28 "Stars:      On"
check shows 19 30 "Screen Size:   x1"
check shows 18 32 "Remap Keyboard"
check shows 17 34 "Remap Controller"
check not_gray_at 20 26
particles_on() { shows 20 26 "Particles:    On "; }
press_until Return particles_on
note "options: particles Off -> On"

options_rows 32
prompt() { shows 10 33 "#" && shows 39 36 "#" && shows "$1" 34 "$2"; }
press_until Return prompt 15 "Press key for fire: "
press_until q prompt 11 "Press key for charged shot: "
press_until x prompt 15 "Press key for bomb: "
press_until c shows 17 34 "Remap Controller"
note "remap: fire q, charged shot x, bomb c"

options_rows 36
press_until Return menu_shown
note "options saved, back on the menu"

# --- Credits, left with the remapped fire key --------------------------------

menu_rows 32
credits_shown() { shows 13 20 "Program, design and sound"; }
press_until Return credits_shown
check shows 4 28 "libtcod https://github.com/libtcod/libtcod"
check shows 12 30 "SDL https://www.libsdl.org"
check shows 1 32 "SDL_mixer https://github.com/libsdl-org/SDL_mixer"
check_colour 13 20 "$(colour 4 28)"
press_until q menu_shown
note "credits read back; q, the new fire key, leaves them"

# --- Play ------------------------------------------------------------------------

menu_rows 26
hud_shown() { shows 2 62 "SCORE   = "; }
press_until Return hud_shown
check shows 2 62 "SCORE   = 0000000000 MULTI = 1.0  HIT = 0000"
check shows 2 64 "SHIELD  = [100][====================][   OK   ]"
check shows 2 66 "ENERGY  = [100][====================][  READY ]"
check shows 2 68 "BOSS    = [0  ][                    ][    0   ]"
check shows 25 55 "M"
# The panel's text takes the ship's colour; a full bar is blue-violet.
check_colour 2 62 "$(colour 25 55)"
check_colour 18 64 "50 25 200"
note "play: the heads-up display of a fresh ship"

ship_column() {  # the column of the ship on its starting row
  sed -n 56p "$work/grid" | grep -bo M | head -n 1 | cut -d: -f1
}
gun_firing() {  # shots above the ship
  for y in 45 46 47 48 49 50 51 52 53; do
    case "$(text_at 24 "$y" 3)" in *"#"*) return 0 ;; esac
  done
  return 1
}
xdotool keydown q
expect 10 gun_firing
note "the gun fires while q is held"

# Under the left-hand enemies the gun finds targets within seconds.
xdotool keydown Left
ship_left() { c=$(ship_column); [ -n "$c" ] && [ "$c" -le 14 ]; }
wait_for 10 ship_left || { xdotool keyup Left; fail "the ship did not fly left"; }
xdotool keyup Left
note "ship at column $(ship_column)"

scored() { shows 2 62 "SCORE   = " && ! shows 12 62 "0000000000" && shows 2 64 "SHIELD  = ["; }
expect 40 scored
keep play
note "scored: $(text_at 2 62 46)"

# Flying up into the enemies ends the ship: a ramming empties the shield.
xdotool keydown Up
rank_in() { shows 11 26 "RANK IN!"; }
wait_for 60 rank_in || { xdotool keyup Up q; fail "no name entry after the ship was lost"; }
xdotool keyup Up q

# --- Name entry, continue offer, game over ---------------------------------------

check shows 11 24 "YOUR SCORE IS: "
final_score=$(text_at 26 24 10)
check shows 11 30 "(Enter to confirm,"
check shows 24 28 "--"
note "name entry: score $final_score"

press_until k shows 23 28 "K"
press_until a shows 23 28 "KA"
# Shift+1 types "!": the name takes what the keyboard typed, not the key's own "1".
press_until shift+1 shows 23 28 "KA!"
offer_shown() { shows 12 25 "Continue? (Press Enter)"; }
press_until Return offer_shown
check shows 25 40 "Continues: 3"
# The tens digit of the countdown, 2 in big digits, for ten seconds.
check shows 20 30 " XX "
check shows 20 31 "   X"
check shows 20 33 " XX "
check shows 20 34 "X   "
check shows 20 36 " XX "
note "continue offer: $(text_at 25 40 12), countdown in the twenties"

game_over_art() { shows 10 28 "  /__//  / /    |/__"; }
press_until Escape game_over_art
note "game over"
expect 30 board_shown
hits=$(row_field "$run/data/scoreDat.data" 0 16)
check shows 14 20 " 1:  KA! $final_score $hits"
check shows 14 21 " 2:  AAA 0000000003 3"
check shows 14 24 "                     "
keep scoreboard
note "scoreboard: $(text_at 14 20 30)"

# --- QUIT ----------------------------------------------------------------------------

press_until Return menu_shown
menu_rows 34
quit_deadline=$(($(date +%s) + 30))
while kill -0 "$game" 2>/dev/null; do
  [ "$(date +%s)" -lt "$quit_deadline" ] || fail "the game did not end after QUIT"
  # A press lost to a slow frame leaves the menu standing on QUIT.
  if shot && menu_shown && not_gray_at 23 34; then press Return; fi
  sleep 1
done
status=0
wait "$game" || status=$?
game=""
[ "$status" -eq 0 ] || fail "exit status $status after QUIT"
note "QUIT: exit status 0"

# --- What the session left in data/ --------------------------------------------------

data="$run/data"
# shellcheck disable=SC2012 # the game writes plain names
listing=$(cd "$data" && ls -A | tr '\n' ' ')
[ "$listing" = "controls.data scoreDat.data userprefs.data " ] || fail "data/ holds: $listing"
prefs=$(cat "$data/userprefs.data")
[ "$prefs" = "0 0 1 0" ] || fail "userprefs.data holds \"$prefs\""
keys=$(od -An -v -t u1 "$data/controls.data" | tr -s ' \n' '  ')
# q x c p, then the buttons 1 2 3 4 untouched
[ "$keys" = " 113 120 99 112 1 0 0 0 2 0 0 0 3 0 0 0 4 0 0 0 " ] || fail "controls.data: $keys"
size=$(wc -c <"$data/scoreDat.data")
[ "$size" -eq 96 ] || fail "scoreDat.data is $size bytes"
[ "$(row_name "$data/scoreDat.data" 0)" = 'KA!' ] || fail "the first row is not KA!'s"
[ "$(row_field "$data/scoreDat.data" 0 0)" -eq "$(echo "$final_score" | sed 's/^0*//')" ] ||
  fail "KA!'s score in the file is not $final_score"
previous=""
for row in 0 1 2 3; do
  s=$(row_field "$data/scoreDat.data" $row 0)
  [ -z "$previous" ] || [ "$s" -le "$previous" ] || fail "scoreDat.data is not sorted"
  previous=$s
done
note "data/: userprefs \"$prefs\", controls$keys, four sorted rows, KA! first"

if [ -n "${EV_SCREENSHOTS:-}" ]; then
  for name in menu play scoreboard; do
    cp "$work/keep-$name.png" "$EV_SCREENSHOTS/screen-$name.png"
  done
  note "screenshots written to $EV_SCREENSHOTS"
fi
note "passed"
