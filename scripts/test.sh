#!/usr/bin/env bash
# Sets up and builds (scripts/setup.sh), then runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PARQUETIX_BUILD_DIR:-$root/build}
bash "$root/scripts/setup.sh"
# A source that differs from .clang-format fails the run before the tests.
bash "$root/scripts/check-format.sh"
cd "$build"
ctest --output-on-failure -j2 --timeout 600
