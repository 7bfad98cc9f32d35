#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh), then runs the program's main job: the
# bundled demo game played through the game model, with every statistic printed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PARQUETIX_BUILD_DIR:-$root/build}
bash "$root/scripts/setup.sh"
exec "$build/bin/parquetix-cli" play "$root/demo/demo-game.txt" "$@"
