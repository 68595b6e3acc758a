#!/usr/bin/env bash
# Takes each shipped level's first view in both eras with the real game under X and saves
# them in docs/screenshots/<level>_dark.png and <level>_bright.png. Needs a built game
# (build/vexmor) and xdotool; runs under xvfb-run when there is no display.
#
# Without arguments it takes every level of data/levels/levels.ini; otherwise the levels
# given, as paths relative to data/ written like in levels.ini (levels\testLevel.lvl) or
# with slashes (levels/testLevel.lvl).
#
# SCREENSHOT_DIR puts the images somewhere else (to compare before and after a change);
# FIRST_SHOT_DELAY is how many seconds the level runs before its first view is taken
# (the player settles on the floor, and whatever the level shows at its start is gone);
# SWITCH_WAIT is how many seconds the era switch is given before the bright view (a large
# level drawn with 4 samples on a software rasteriser needs more than the default).
# The pictures show the full look at full resolution unless VEXMOR_LOOK or
# VEXMOR_RENDER_SCALE say otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
game="$root/build/vexmor"
out="${SCREENSHOT_DIR:-$root/docs/screenshots}"
first_shot_delay="${FIRST_SHOT_DELAY:-4}"
switch_wait="${SWITCH_WAIT:-7}"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

press() {
    xdotool keydown --window "$1" "$2"
    sleep 0.3
    xdotool keyup --window "$1" "$2"
}

# Waits up to 20 seconds for a line in the console.
wait_for() {
    for _ in $(seq 1 200); do
        grep -qs "$2" "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to 20 seconds for a screenshot to be written completely (its size holds still).
wait_for_png() {
    local size=""
    for _ in $(seq 1 100); do
        if [ -s "$1" ]; then
            [ "$(stat -c %s "$1")" = "$size" ] && return 0
            size=$(stat -c %s "$1")
        fi
        sleep 0.2
    done
    echo "no screenshot $1" >&2
    return 1
}

levels() {
    if [ $# -gt 0 ]; then
        printf '%s\n' "$@"
    else
        grep -v '^[[:space:]]*#' "$root/data/levels/levels.ini" | sed 's/\r//'
    fi
}

mkdir -p "$out"
levels "$@" | while read -r level; do
    [ -n "$level" ] || continue
    level=${level//\//\\}
    name=$(basename "${level//\\//}" .lvl)
    work=$(mktemp -d)
    cp -r "$root/data/." "$work/"
    # The designed look, with smooth edges, at full resolution, whatever the renderer here;
    # VEXMOR_LOOK and VEXMOR_RENDER_SCALE may ask for another. The default options, not the
    # player's own.
    (cd "$work" && XDG_CONFIG_HOME="$work/config" VEXMOR_SAMPLES=4 \
        VEXMOR_LOOK="${VEXMOR_LOOK:-full}" VEXMOR_RENDER_SCALE="${VEXMOR_RENDER_SCALE:-1}" \
        "$game" --level "$level" </dev/null >"$work/console.txt" 2>&1) &
    pid=$!
    wait_for "$work/console.txt" "First render..."
    sleep "$first_shot_delay"
    window=""
    for _ in $(seq 1 50); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    # The dark era, before any switch.
    press "$window" F12
    wait_for_png "$work/screenshot0.png"
    # The bright era, once the five-second switch has run and its fog is gone.
    press "$window" t
    sleep "$switch_wait"
    press "$window" F12
    wait_for_png "$work/screenshot1.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" || true
    cp "$work/screenshot0.png" "$out/${name}_dark.png"
    cp "$work/screenshot1.png" "$out/${name}_bright.png"
    rm -rf "$work"
    echo "$name"
done
