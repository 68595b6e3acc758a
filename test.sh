#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; non-zero when any test fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
if [ -n "${DISPLAY:-}" ]; then
    ctest --output-on-failure "$@"
else
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure "$@"
fi
