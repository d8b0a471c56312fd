#!/bin/sh
# Builds the Debian package and tries it on a clean Debian 12 root, as a player
# would get it: `apt install ./ember-vortex_*.deb` must bring the runtime
# libraries (never the -dev ones), the installed command must play a replay as
# an ordinary user, and `apt remove` / `apt purge` must leave nothing behind.
# Runs lintian on the package where it is installed.
#
#   dist/test_package.sh [BUILD_DIR]      (as root; BUILD_DIR defaults to build-package)
#
# Needs root, debootstrap and the Debian mirror that apt uses here. The clean
# root is made once with debootstrap and kept as a tarball in EV_ROOT_CACHE
# (default /var/cache/ember-vortex/bookworm-minbase.tar); later runs unpack it.
# EV_DEBIAN_MIRROR overrides the mirror. EV_USER_DATA=required makes a missing
# per-user data folder a failure instead of a note.
# shellcheck disable=SC2016 # dpkg-query formats and sh -c scripts are single-quoted on purpose
set -eu
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath -m "${1:-build-package}")
cache=${EV_ROOT_CACHE:-/var/cache/ember-vortex/bookworm-minbase.tar}
started=$(date +%s)
step() { echo "== $(($(date +%s) - started)) s: $*"; }
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || fail "run as root: debootstrap and chroot need it"

step "building the package in $build (no tests, Release)"
# Debian's compiler and linker flags with all hardening, where dpkg-dev has them.
cxxflags="" ldflags=""
if command -v dpkg-buildflags >/dev/null; then
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  ldflags=$(dpkg-buildflags --get LDFLAGS)
fi
cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release -DEV_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" -j2 >/dev/null
rm -f "$build"/ember-vortex_*.deb
(cd "$build" && cpack >/dev/null)
deb=$(ls "$build"/ember-vortex_*.deb)
dpkg-deb --field "$deb" Depends
if command -v lintian >/dev/null; then
  step "lintian"
  lintian --info "$deb" || fail "lintian found errors"
fi

root=$(mktemp -d /var/tmp/ember-vortex-root.XXXXXX)
chmod 755 "$root"  # a root file system every user may enter
cleanup() {
  for mount in "$root/dev/pts" "$root/dev" "$root/proc"; do
    if mountpoint -q "$mount"; then umount "$mount"; fi
  done
  rm -rf "$root"
}
trap cleanup EXIT
if [ -f "$cache" ]; then
  step "unpacking the clean root from $cache"
  tar -xf "$cache" -C "$root"
  chmod 755 "$root"
else
  # The first bookworm mirror among apt's sources, in either format.
  mirror=${EV_DEBIAN_MIRROR:-$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '
      /^URIs:/ { uri = $2 }
      /^Suites:/ && / bookworm( |$)/ && uri { print uri; exit }
      /^deb / { sub(/\[[^]]*\] */, ""); if ($3 == "bookworm") { print $2; exit } }')}
  [ -n "$mirror" ] || fail "no bookworm mirror in apt's sources: set EV_DEBIAN_MIRROR"
  step "debootstrap --variant=minbase bookworm from $mirror"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
    { tail -20 "$root.log"; fail "debootstrap"; }
  rm -f "$root.log"
  mkdir -p "$(dirname "$cache")"
  tar -cf "$cache" -C "$root" .
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"  # apt's terminal log
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

step "apt install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
install_package() {
  in_root sh -c "cd /tmp && apt install -y -q ./$(basename "$deb")" >"$build/apt-install.log" 2>&1 ||
    { cat "$build/apt-install.log"; fail "apt install"; }
}
install_package
for library in libtcod1 libsdl2-2.0-0 libsdl2-mixer-2.0-0; do
  in_root dpkg-query -W -f '${Status}\n' "$library" | grep -q 'install ok installed' ||
    fail "$library did not come with the package"
done
dev=$(in_root dpkg-query -W -f '${Package}\n' | grep -e '-dev$' || true)
[ -z "$dev" ] || fail "development packages came along: $dev"

step "playing as an ordinary user"
in_root useradd --create-home player
uid=$(in_root id -u player)
gid=$(in_root id -g player)
cp "$source_dir/tests/golden/level.replay" "$root/tmp/"
as_player() {
  chroot --userspec="$uid:$gid" --groups="$gid" "$root" env -i HOME=/home/player \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/games SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    sh -c 'cd "$HOME" && "$@"' sh "$@"
}
version=$(as_player ember_vortex --version)
[ "$version" = "$("$build/ember_vortex" --version)" ] || fail "--version says $version"
set +e
"$build/ember_vortex" --headless --replay "$root/tmp/level.replay" >"$build/replay-build.out" 2>&1
expected=$?
as_player ember_vortex --headless --replay /tmp/level.replay >"$build/replay-installed.out" 2>&1
status=$?
# A real start: the title menu waits for a key nobody presses, so the game is
# stopped after three seconds; by then it has made its data files.
as_player timeout 3 ember_vortex
started_status=$?
set -e
[ "$status" -eq "$expected" ] || fail "the replay ended with status $status, the build's with $expected"
diff "$build/replay-build.out" "$build/replay-installed.out" || fail "the installed game played otherwise"
[ "$started_status" -eq 124 ] || fail "the game stopped by itself with status $started_status"
user_data=$root/home/player/.local/share/ember-vortex
if [ -d "$user_data" ]; then
  cmp "$user_data/scoreDat.data" "$root/usr/lib/games/ember-vortex/data/scoreDat.data" ||
    fail "the player's high-score table is not the installed default"
  echo "per-user data folder: $(ls "$user_data" | tr '\n' ' ')"
elif [ "${EV_USER_DATA:-}" = required ]; then
  fail "no per-user data folder $user_data"
else
  echo "NOTE: no per-user data folder yet ($user_data)"
fi

# Everything the package put there goes with it, whether removed or purged.
in_root dpkg-query -L ember-vortex >"$build/package-files.txt"
gone() {
  ! in_root dpkg-query -W -f '${Status}\n' ember-vortex 2>/dev/null | grep -q 'ok installed' ||
    fail "ember-vortex is still installed after $1"
  left=$(while read -r file; do
    # Folders such as /usr/share/man/man6 belong to other packages too.
    if [ -L "$root$file" ] || [ -e "$root$file" ] && [ ! -d "$root$file" ]; then echo "$file"; fi
  done <"$build/package-files.txt")
  [ -z "$left" ] || fail "left behind by $1: $left"
  [ ! -e "$root/usr/lib/games/ember-vortex" ] || fail "/usr/lib/games/ember-vortex is still there after $1"
}
step "apt remove"
in_root apt remove -y -q ember-vortex >"$build/apt-remove.log" 2>&1 ||
  { cat "$build/apt-remove.log"; fail "apt remove"; }
gone "apt remove"
step "apt install again, apt purge"
install_package
in_root apt purge -y -q ember-vortex >"$build/apt-purge.log" 2>&1 ||
  { cat "$build/apt-purge.log"; fail "apt purge"; }
gone "apt purge"
in_root apt-get autoremove --purge -y -q >/dev/null
! in_root dpkg-query -W -f '${Status}\n' libtcod1 2>/dev/null | grep -q 'install ok installed' ||
  fail "libtcod1 was not marked as pulled in automatically"
step "done: $version installs, plays as a player and goes away cleanly"
