#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh), then starts the desktop program into
# its main window on the bundled sample data. Without a display it says so and
# plays the bundled demo game in parquetix-cli instead, printing every statistic.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PARQUETIX_BUILD_DIR:-$root/build}
bash "$root/scripts/setup.sh"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/bin/parquetix" "$@"
fi
echo "run.sh: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop" \
  "program cannot open its window; playing the demo game in parquetix-cli instead." >&2
exec "$build/bin/parquetix-cli" play "$root/demo/demo-game.txt" "$@"
