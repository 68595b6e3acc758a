#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in its data directory.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/data"
exec "$root/build/vexmor"
