#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; non-zero when any test fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/with-display.sh" ctest --test-dir "$root/build" --output-on-failure "$@"
