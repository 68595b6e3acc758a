#!/usr/bin/env bash
# Builds the game with AddressSanitizer and UndefinedBehaviorSanitizer (LeakSanitizer on)
# in build-sanitize/ and runs the unit and GL tests there, all but those held to a time limit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-sanitize"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXMOR_SANITIZE=ON
cmake --build "$build" --parallel "$(nproc)" --target vexmor_unit_tests vexmor_gl_tests vexmor-levelcheck vexmor-autoplay
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$root/scripts/with-display.sh" ctest --test-dir "$build" --output-on-failure -L 'unit|gl' -LE timing
