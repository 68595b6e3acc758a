#!/usr/bin/env bash
# Runs a command with an X display: the one there is, or a virtual one.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
