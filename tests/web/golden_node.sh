#!/bin/sh
# The golden level played by the WebAssembly build under node, against the
# desktop program's own playback of the same file: the same result, the same
# digests, the same verdict and exit status. (The program's --headless
# --replay keeps no ship alive, so both part from the recording at frame
# 1,200, and must part there alike.)
#
#   golden_node.sh NODE_PROGRAM.js NATIVE_PROGRAM GOLDEN_FOLDER
#
# The node program has GOLDEN_FOLDER preloaded at /golden.
set -eu
js=$1
native=$2
golden=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

native_status=0
"$native" --headless --replay "$golden/level.replay" >"$tmp/native.out" 2>"$tmp/native.err" ||
  native_status=$?
web_status=0
node --no-experimental-fetch "$js" --headless --replay /golden/level.replay \
  >"$tmp/web.out" 2>"$tmp/web.err" || web_status=$?

failed=0
if ! diff -u "$tmp/native.out" "$tmp/web.out"; then
  echo "the WebAssembly build's playback differs from the desktop's (above)"
  failed=1
fi
# The verdict's own line; emscripten may add lines of its own about the exit.
verdict() { grep '^ember_vortex: ' "$1" || true; }
if [ "$(verdict "$tmp/native.err")" != "$(verdict "$tmp/web.err")" ]; then
  echo "verdicts differ: desktop \"$(verdict "$tmp/native.err")\", web \"$(verdict "$tmp/web.err")\""
  cat "$tmp/web.err"
  failed=1
fi
if [ "$native_status" -ne "$web_status" ]; then
  echo "exit status: desktop $native_status, web $web_status"
  failed=1
fi
digests=$(grep -c '^  frame ' "$tmp/web.out" || true)
if [ "$digests" -eq 0 ]; then
  echo "no digest printed"
  failed=1
fi
[ "$failed" -eq 0 ] || exit 1
echo "same $digests digests, the same verdict and exit status $web_status as the desktop"
