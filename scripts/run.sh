#!/usr/bin/env bash
# Starts the Control Center when a display is available.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display available: run 'make shots' to render every window to PNG files in build/shots/."
    exit 0
fi
exec "$1"
