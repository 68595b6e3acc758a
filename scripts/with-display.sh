#!/usr/bin/env bash
# Runs a command with an X display: the one there is, or a virtual one.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
# -noreset: without it the server resets whenever its last client leaves, and a
# program that connects during the reset is refused ("Failed to open display").
exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"
