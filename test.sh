#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then builds the unit and GL tests
# again with the sanitizers and runs them there. Non-zero when any test fails.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/with-display.sh" ctest --test-dir "$root/build" --output-on-failure "$@"
"$root/scripts/sanitized-tests.sh"
# A short fuzzing run of the level and OBJ parsers (VEXMOR_FUZZ_SECONDS each).
"$root/scripts/fuzz.sh"
