# Sourced by the real-window tests: starts Xvfb on a display it picks itself
# (its screen $xvfb_screen, 800x600x24 unless set), exports DISPLAY, and stops
# the server (and removes the files named in $cleanup) when the test's shell
# exits.
xvfb_display=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-800x600x24}" -nolisten tcp 3>"$xvfb_display" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -f "$xvfb_display" ${cleanup:-}' EXIT
for _ in $(seq 100); do [ -s "$xvfb_display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$xvfb_display")"
export DISPLAY
