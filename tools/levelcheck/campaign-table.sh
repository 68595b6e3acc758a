#!/usr/bin/env bash
# Prints the campaign as a Markdown table: each listed level's chapter, title, measures and
# par (the autopilot's game time), then the campaign's total par. Run from the repository
# after a build; it needs a display for the autopilot (scripts/with-display.sh gives one).
#
#   tools/levelcheck/campaign-table.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cd "$root/data"

measure() { # FILE FIGURE
    "$build/tools/levelcheck/vexmor-levelcheck" --measure "$1" |
        sed -n "s/^  $2: //p"
}

echo "| # | Chapter | Level | Switches | Route | Blind alleys | Traps | Naive player | Par |"
echo "|---|---|---|---|---|---|---|---|---|"
chapter=""
number=0
total=0
while IFS= read -r line || [ -n "$line" ]; do
    line=$(echo "$line" | sed 's/^[[:space:]]*//; s/[[:space:]]*$//')
    case "$line" in
    "# Chapter:"*) chapter=$(echo "${line#\# Chapter:}" | sed 's/^[[:space:]]*//') ;;
    "#"* | "") ;;
    *)
        number=$((number + 1))
        file=${line//\\//}
        title=$(sed -n 's/^# Title: //p' "$file" | head -n 1)
        par=$(VEXMOR_SAMPLES=0 "$build/tools/autoplay/vexmor-autoplay" "$file" 2>/dev/null |
            sed -n 's/.*: finished in \([0-9.]*\) s of game time.*/\1/p')
        naive=$(measure "$file" "naive player" | sed 's/ (.*//; s/solves it with/solves,/')
        alleys=$(measure "$file" "blind alleys" | sed 's/ (sizes \(.*\))/ (\1)/')
        traps=$(measure "$file" "traps" | sed 's/^\([0-9]*\) (\([0-9]*\) traps*:.*/\2 (\1 places)/')
        echo "| $number | $chapter | $title | $(measure "$file" switches) | $(measure "$file" route)" \
            "| $alleys | $traps | $naive | ${par:-not finished} s |"
        total=$(awk -v a="$total" -v b="${par:-0}" 'BEGIN { print a + b }')
        ;;
    esac
done <levels/levels.ini
awk -v t="$total" 'BEGIN { printf "\nTotal par: %d min %02d s\n", t / 60, t % 60 }'
