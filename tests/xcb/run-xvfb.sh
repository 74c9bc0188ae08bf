#!/usr/bin/env bash
# Runs a test program on the xcb platform under an X server of its own, never on the user's
# display (the test moves the pointer). TESSIX_TEST_DISPLAY names a server already started
# for the tests (.ci/run starts one). Exits 77 (skipped) only when no X server can be had.
set -u
program="$1"
shift
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
if [ -n "${TESSIX_TEST_DISPLAY:-}" ]; then
    export DISPLAY="$TESSIX_TEST_DISPLAY"
    exec "$program" "$@"
fi
if ! command -v Xvfb > /dev/null; then
    echo "SKIPPED: Xvfb is not installed (scripts/install-deps.sh installs it): the drags" \
         "between programs were not tested" >&2
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> "$work/log" &
server=$!
for _ in $(seq 100); do
    grep -q '^[0-9]' "$work/display" 2> /dev/null && break
    kill -0 "$server" 2> /dev/null || break
    sleep 0.1
done
if ! grep -q '^[0-9]' "$work/display" 2> /dev/null; then
    kill "$server" 2> /dev/null
    echo "SKIPPED: no X server could be started, so the drags between programs were not" \
         "tested. Xvfb said:" >&2
    cat "$work/log" >&2
    exit 77
fi
export DISPLAY=":$(head -n1 "$work/display")"
"$program" "$@"
status=$?
kill "$server"
wait "$server" 2> /dev/null
exit $status
