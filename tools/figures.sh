#!/bin/sh
# The game's figures on this machine, printed as a table:
#
#   tools/figures.sh [BUILD_DIR]      (default: build)
#
# - Start-up to the first menu frame: the real, unchanged executable in a real
#   window under Xvfb, five starts. The game is started with libfirst_flush.so
#   preloaded (tools/first_flush.cpp), which wraps libtcod's
#   TCOD_console_flush_ex and writes the wall clock when the first flush (the
#   title menu's first frame) has returned; the clock is read just before the
#   shell starts the game, so a fork and an exec are counted too. Nothing is
#   added to the game; watching the window map from outside would stop the
#   clock before the sound bank loads and before the first frame is drawn.
# - The game's own work per frame over the golden replay, frames per second
#   headless and the peak of live entities: build/frame_bench's own figures.
# - Peak memory (the largest resident set): frame_bench's, from /usr/bin/time
#   -v, over its four headless playbacks of the whole golden level with the
#   ship kept alive (the game's own --headless --replay loses the ship at
#   frame 1,200); and the real game's in the window (VmHWM) after the menu and
#   five seconds of play.
# - CPU share: utime + stime from /proc/PID/stat over five seconds, the game
#   idling on the title menu after its intro, then in play at 60 fps (Enter
#   sent with xdotool, the fire key held); the X server's share beside it.
#   100% is one core.
#
# The window parts need Xvfb and xdotool and are skipped, saying so, without
# them; ImageMagick's import and the build's screen_reader, when present,
# confirm from a screenshot that the menu and play were on screen.
set -eu

build=${1:-build}
build=$(cd "$build" && pwd)
for program in frame_bench ember_vortex libfirst_flush.so; do
  [ -e "$build/$program" ] || {
    echo "figures.sh: no $build/$program: build the project first" >&2
    exit 2
  }
done

starts=5
sample_seconds=5
intro_seconds=3  # the intro takes 80 frames; the menu stands well before this

tmp=$(mktemp -d)
xvfb=""
game=""
cleanup() {
  if [ -n "$game" ]; then kill "$game" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

row() { printf '%-36s %s\n' "$1" "$2"; }
now_ns() { date +%s%N; }
ms_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b - a) / 1e6 }'; }

echo "Ember Vortex figures, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg), build $build"
echo

# --- Headless: frame_bench ----------------------------------------------------

bench_status=0
/usr/bin/time -v "$build/frame_bench" >"$tmp/bench" 2>"$tmp/bench.time" || bench_status=$?
own=$(sed -n "s/^game's own work *//p" "$tmp/bench" | sed 's/ *(flush.*//; s/  */ /g')
fps=$(sed -n 's/^frames per second *//p' "$tmp/bench")
peak=$(sed -n 's/^peak entities *//p' "$tmp/bench")
bench_rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$tmp/bench.time")
row "game's own work per frame" "$own"
row "frames per second, headless" "$fps"
row "peak live entities" "$peak"
row "peak RSS, frame_bench (headless)" "$((bench_rss / 1024)) MB"
if [ "$bench_status" -ne 0 ]; then
  row "" "(frame_bench exit status $bench_status: a frame over budget or a playback out of step)"
fi

# --- The window under Xvfb ---------------------------------------------------------

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "figures.sh: $tool is missing: the window figures (start-up, CPU share," \
      "the game's RSS) need Xvfb and xdotool"
    exit 0
  fi
done

# The game runs from a folder of its own, so the build's data/ is never written.
run="$tmp/game"
mkdir -p "$run"
cp "$build/ember_vortex" "$run/"
ln -s "$build/terminal" "$run/terminal"
ln -s "$build/sound" "$run/sound"

Xvfb -displayfd 3 -screen 0 640x640x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "figures.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$tmp/display")"
export DISPLAY
export SDL_AUDIODRIVER=dummy

stop_game() {
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  game=""
}

# Start-up, five times: the wall clock from just before the start to the end
# of the first flush, and the processor time the game had used by then.
walls=""
cpus=""
for _ in $(seq "$starts"); do
  rm -f "$tmp/first"
  t0=$(now_ns)
  EV_FIRST_FLUSH_FILE="$tmp/first" LD_PRELOAD="$build/libfirst_flush.so" \
    "$run/ember_vortex" >/dev/null 2>&1 &
  game=$!
  for _ in $(seq 600); do [ -s "$tmp/first" ] && break; sleep 0.05; done
  [ -s "$tmp/first" ] || { echo "figures.sh: the game drew no frame in 30 s" >&2; exit 1; }
  walls="$walls $(awk -v t0="$t0" '{ printf "%.0f", ($1 - t0) / 1e6 }' "$tmp/first")"
  cpus="$cpus $(awk '{ printf "%.0f", $2 / 1e6 }' "$tmp/first")"
  stop_game
done
median() { echo "$@" | tr ' ' '\n' | sed '/^$/d' | sort -n | sed -n "$(((starts + 1) / 2))p"; }
row "start-up to the first menu frame" "median $(median "$walls") ms; the starts in order:$walls ms"
row "" "processor time by then: median $(median "$cpus") ms;$cpus ms"

# CPU share: the game and the X server over the sample.
ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
hz=$(getconf CLK_TCK)
share() {  # TICKS NANOSECONDS: percent of one core
  awk -v t="$1" -v ns="$2" -v hz="$hz" 'BEGIN { printf "%.1f", 100 * t / hz / (ns / 1e9) }'
}
sample() {  # LABEL
  g0=$(ticks "$game")
  x0=$(ticks "$xvfb")
  t0=$(now_ns)
  sleep "$sample_seconds"
  g1=$(ticks "$game")
  x1=$(ticks "$xvfb")
  t1=$(now_ns)
  row "$1" "game $(share $((g1 - g0)) $((t1 - t0)))% of a core, X server $(share $((x1 - x0)) $((t1 - t0)))%"
}
# The screen's row Y (0-based), when import and the screen reader are at hand.
screen_row() {
  if command -v import >/dev/null 2>&1 && [ -x "$build/screen_reader" ] &&
    import -window "$win" "$tmp/shot.png" 2>/dev/null; then
    "$build/screen_reader" "$build/terminal/terminal.png" "$tmp/shot.png" | sed -n "$(($1 + 1))p"
  else
    echo "(not read: no import or screen_reader)"
  fi
}

"$run/ember_vortex" >/dev/null 2>&1 &
game=$!
win=""
for _ in $(seq 300); do
  win=$(xdotool search --name '^Ember Vortex$' 2>/dev/null | head -n 1) || true
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "figures.sh: no window named Ember Vortex" >&2; exit 1; }
# No window manager: the one window takes the focus and the keys go to it.
for _ in $(seq 50); do
  xdotool windowfocus "$win" 2>/dev/null || true
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && break
  sleep 0.1
done
sleep "$intro_seconds"
sample "CPU, idle on the title menu"
row "" "menu row 26 read back: $(screen_row 26 | sed 's/^ *//; s/ *$//')"

xdotool keydown Return
sleep 0.08
xdotool keyup Return
sleep 2  # the menu fades out over 64 frames
xdotool keydown z
sample "CPU, in play at 60 fps, fire held"
row "" "play row 62 read back: $(screen_row 62 | sed 's/^ *//; s/ *$//')"
xdotool keyup z
game_rss=$(sed -n 's/^VmHWM: *//p' "/proc/$game/status" | awk '{ printf "%.0f MB", $1 / 1024 }')
row "peak RSS, the game in the window" "$game_rss (menu, then ${sample_seconds} s of play)"
stop_game
