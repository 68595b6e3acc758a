#!/usr/bin/env bash
# Records the moving picture at the top of the README (docs/vexmor.webp): the autopilot
# plays level 1 from its title card to the time machine starting up, then the first era
# switch of level 4. Needs a built tree (scripts/build.sh); installs ffmpeg when it is
# missing (with sudo unless run as root) and runs under xvfb-run when there is no display.
#
# ANIMATION puts the picture somewhere else; ANIMATION_WIDTH sets its width in pixels.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
autoplay="$root/build/tools/autoplay/vexmor-autoplay"
out="${ANIMATION:-$root/docs/vexmor.webp}"
width="${ANIMATION_WIDTH:-512}"
# Recorded frames come every 4th game frame: 15 a second.
recorded_rate=15
shown_rate=10

if ! command -v ffmpeg >/dev/null 2>&1; then
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get install -y --no-install-recommends ffmpeg ||
        { "${as_root[@]}" apt-get update && "${as_root[@]}" apt-get install -y --no-install-recommends ffmpeg; }
fi
if [ ! -x "$autoplay" ]; then
    echo "No $autoplay: build first (scripts/build.sh)." >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data" "$work/data"
# The game's own look on graphics hardware: four samples per pixel. Level 4 is needed only
# up to the end of its first switch, so its run stops there, unfinished.
record() {
    (cd "$work/data" && VEXMOR_SAMPLES=4 "$root/scripts/with-display.sh" "$autoplay" \
        --record "$work/frames" "$@" 2>>"$work/console.log")
}
record 'levels\01_first_steps.lvl'
record --limit 10 'levels\04_two_eras.lvl' || true

# Level 1 up to 4.5 s before its end, which leaves the machine's first 5 seconds.
first=$(find "$work/frames" -name '01_first_steps_*.png' | wc -l)
first=$((first - recorded_rate * 9 / 2))
# Level 4 from a second before its first switch to a second after the switch's 5 s.
switch=$(grep -m1 'The switch to the bright era starts in frame' "$work/console.log" | awk '{print $NF}')
start=$((switch / 4 - recorded_rate))
length=$((recorded_rate * 7))

ffmpeg -loglevel error -y \
    -framerate "$recorded_rate" -i "$work/frames/01_first_steps_%05d.png" \
    -framerate "$recorded_rate" -start_number "$start" -i "$work/frames/04_two_eras_%05d.png" \
    -filter_complex "[0:v]trim=end_frame=$first,setpts=PTS-STARTPTS[walk];\
[1:v]trim=end_frame=$length,setpts=PTS-STARTPTS[switch];\
[walk][switch]concat=n=2:v=1,fps=$shown_rate,scale=$width:-1:flags=lanczos[out]" \
    -map '[out]' -c:v libwebp_anim -lossless 0 -quality 70 -compression_level 6 -loop 0 "$out"

size=$(stat -c %s "$out")
echo "Wrote $out: $((size / 1024)) KiB, $(( (first + length) / recorded_rate )) s"
if [ "$size" -gt $((4 * 1024 * 1024)) ]; then
    echo "That is over 4 MiB: try a smaller ANIMATION_WIDTH." >&2
    exit 1
fi
