#!/usr/bin/env bash
# Takes each shipped level's first view in both eras with the real game under X and saves
# them in docs/screenshots/. Needs a built game (build/vexmor) and xdotool; runs under
# xvfb-run when there is no display.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
game="$root/build/vexmor"
out="$root/docs/screenshots"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

press() {
    xdotool keydown --window "$1" "$2"
    sleep 0.3
    xdotool keyup --window "$1" "$2"
}

wait_for() {
    for _ in $(seq 1 200); do
        grep -q "$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}

mkdir -p "$out"
grep -v '^[[:space:]]*#' "$root/data/levels/levels.ini" | sed 's/\r//' | while read -r level; do
    [ -n "$level" ] || continue
    name=$(basename "${level//\\//}" .lvl)
    work=$(mktemp -d)
    cp -r "$root/data/." "$work/"
    printf '%s\n' "$level" > "$work/levels/levels.ini"
    (cd "$work" && "$game" </dev/null >"$work/console.txt" 2>&1) &
    pid=$!
    wait_for "$work/console.txt" "First render..."
    sleep 2
    window=""
    for _ in $(seq 1 50); do
        window=$(xdotool search --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    press "$window" F12
    press "$window" t
    sleep 6
    press "$window" F12
    sleep 1
    xdotool key --window "$window" Escape 2>/dev/null || true
    wait "$pid" || true
    cp "$work/screenshot0.png" "$out/${name}_dark.png"
    cp "$work/screenshot1.png" "$out/${name}_bright.png"
    rm -rf "$work"
    echo "$name"
done
