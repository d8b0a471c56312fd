#!/bin/sh
# The session golden run (golden_check session: every screen of the front end,
# a game of two lives, a name, QUIT) under valgrind's memcheck. Fails on any
# invalid read or write, on any block definitely or indirectly lost, and when
# the session parts from its recording.
# What the libraries below the game keep until exit is suppressed in
# valgrind.supp beside this script, each entry with its reason.
#
#   tools/valgrind_session.sh [BUILD_DIR]    (default: build)
#
# Exits 77 when valgrind is missing.
set -eu

build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v valgrind >/dev/null 2>&1; then
  echo "valgrind is missing: skipped"
  exit 77
fi
[ -x "$build/golden_check" ] || {
  echo "no $build/golden_check: build the golden_check target first" >&2
  exit 2
}

started=$(date +%s)
status=0
valgrind --quiet --leak-check=full --errors-for-leak-kinds=definite,indirect \
  --error-exitcode=1 --num-callers=30 --suppressions="$here/valgrind.supp" \
  "$build/golden_check" session || status=$?
echo "valgrind session: exit status $status after $(($(date +%s) - started)) s"
exit "$status"
