#!/bin/sh
# Installs the build into a throw-away prefix, then runs the installed command
# from another working folder: through the symlink it must find its fonts and
# sounds beside the real executable and play a replay exactly as the build's
# own program does. Checks the installed files on the way.
#
#   test_install.sh BUILD_DIR REPLAY BIN_DIR GAME_DIR APP_ID SCREEN_READER
set -eu
build=$(realpath "$1") replay=$(realpath "$2") bin_dir=$3 game_dir=$4 app_id=$5
reader=$(realpath "$6")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
  { cat "$work/install.log"; fail "cmake --install"; }
game=$prefix/$bin_dir/ember_vortex
home=$prefix/$game_dir
[ -L "$game" ] || fail "$game is not a symlink"
case $(readlink "$game") in /*) fail "$game points at an absolute path" ;; esac
[ "$(readlink -f "$game")" = "$(readlink -f "$home/ember_vortex")" ] || fail "$game points elsewhere"

# The desktop's files, and the game's own beside it as the build made them.
for file in share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
  share/icons/hicolor/32x32/apps/$app_id.png share/icons/hicolor/64x64/apps/$app_id.png \
  share/icons/hicolor/128x128/apps/$app_id.png share/man/man6/ember_vortex.6.gz \
  share/doc/ember-vortex/copyright share/doc/ember-vortex/changelog.gz; do
  [ -s "$prefix/$file" ] || fail "$file is missing"
done
for folder in terminal sound; do
  diff -r -x '.*' "$build/$folder" "$home/$folder" || fail "$folder/ differs from the build's"
done

# A new player's data: settings "0 0 0 0", the default keys, "ZAP" at 100000
# over 95000 down to 5000.
data=$home/data
[ "$(cat "$data/userprefs.data")" = "0 0 0 0" ] || fail "userprefs.data: $(cat "$data/userprefs.data")"
[ "$(head -c 4 "$data/controls.data")" = zxcp ] || fail "controls.data does not map z x c p"
[ "$(wc -c <"$data/controls.data")" -eq 20 ] || fail "controls.data is not one record"
[ "$(wc -c <"$data/scoreDat.data")" -eq 480 ] || fail "scoreDat.data is not 20 rows"
row() { od -An -tu4 -j $(($1 * 24)) -N4 "$data/scoreDat.data" | tr -d ' '; }
[ "$(row 0) $(dd if="$data/scoreDat.data" bs=1 skip=20 count=3 2>/dev/null)" = "100000 ZAP" ] ||
  fail "the table does not start with ZAP at 100000"
[ "$(row 1) $(row 19)" = "95000 5000" ] || fail "the table does not run 95000 down to 5000"

cd "$work"
version=$("$game" --version)
[ "$version" = "$("$build/ember_vortex" --version)" ] || fail "--version says $version"
number=${version#Ember Vortex }
number=${number%% *}
gzip -dc "$prefix/share/man/man6/ember_vortex.6.gz" | grep -q "^\.TH EMBER_VORTEX 6 .*Ember Vortex $number\"" ||
  fail "the manual page is not of version $number"
grep -q "<release version=\"$number\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "the metainfo has no release $number"
gzip -dc "$prefix/share/doc/ember-vortex/changelog.gz" | head -n 1 | grep -q "^ember-vortex ($number) " ||
  fail "the changelog does not start with version $number"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "metainfo"; }
fi

# The title's logo read back through the game's own font from a frame that
# SDL's dummy driver saved: without terminal/ beside the real executable
# libtcod would have drawn in a system font.
mkdir "$work/frames"
cd "$work/frames"
ls "$data" >"$work/installed-data.txt"
XDG_DATA_HOME=$work/xdg SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_VIDEO_DUMMY_SAVE_FRAMES=1 \
  "$game" >"$work/start.log" 2>&1 &
pid=$!
frame=SDL_window1-00000060.bmp
for _ in $(seq 300); do
  if [ -e SDL_window1-00000061.bmp ] || ! kill -0 $pid 2>/dev/null; then break; fi
  sleep 0.1
done
kill $pid 2>/dev/null || { cat "$work/start.log"; fail "the installed game stopped by itself"; }
wait $pid || true
[ -e SDL_window1-00000061.bmp ] || fail "the installed game drew no 61 frames"
"$reader" "$build/terminal/terminal.png" "$frame" | grep -qF '|__  |\  /| |__| |__  |__|' ||
  fail "the title was not drawn in the game's font"
rm -f SDL_window*.bmp
cd "$work"

# Even run by root, the installed game keeps the player's files in the
# player's own folder, seeded from the defaults, and writes nothing beside itself.
for file in userprefs.data controls.data scoreDat.data; do
  cmp "$data/$file" "$work/xdg/ember-vortex/$file" || fail "the player's $file is not the default"
done
ls "$data" | diff "$work/installed-data.txt" - || fail "the installed data/ changed"

set +e
"$build/ember_vortex" --headless --replay "$replay" >"$work/build.out" 2>"$work/build.err"
expected=$?
"$game" --headless --replay "$replay" >"$work/installed.out" 2>"$work/installed.err"
status=$?
set -e
grep -q '^game 1: ' "$work/installed.out" || { cat "$work/installed.err"; fail "no game played"; }
[ "$status" -eq "$expected" ] || fail "exit status $status, the build's $expected"
diff "$work/build.out" "$work/installed.out" || fail "the installed game played otherwise"
diff "$work/build.err" "$work/installed.err" || fail "the installed game complained otherwise"
echo "installed under $prefix: $version, the replay ends as the build's (status $status)"
