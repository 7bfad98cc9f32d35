#!/usr/bin/env bash
# Installs every Debian package the build and the tests need, then configures
# and builds Parquetix with Ninja into build/ (or $PARQUETIX_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${PARQUETIX_BUILD_DIR:-$root/build}

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-serialport-dev
  qt6-l10n-tools qt6-translations-l10n libqt6opengl6-dev
  libevdev-dev libcpp-httplib-dev libssl-dev zlib1g-dev libminizip-dev libxlsxwriter-dev
  libsqlite3-dev sqlite3 libpq-dev postgresql
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format lld
  fonts-dejavu-core fonts-dejavu-extra fontconfig xvfb xauth poppler-utils
  dpkg-dev file ccache
  lintian appstream desktop-file-utils systemd
  chromium
  wrk
)

if [ "${PARQUETIX_SKIP_APT:-0}" != 1 ]; then
  missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
fi

# ccache with paths taken relative to the checkout, so another clone of the
# same sources (a CI run, a second worktree) reuses this machine's objects.
launcher=()
if command -v ccache >/dev/null; then
  # pch_defines,time_macros: without them ccache compiles every source that
  # uses a precompiled header without caching it.
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS=pch_defines,time_macros
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Warnings stop the build under CI only, so a newer compiler's new warning
# does not stop a developer's; PARQUETIX_WERROR=ON|OFF chooses either way.
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${PARQUETIX_BUILD_TYPE:-RelWithDebInfo}" \
  -DPARQUETIX_WERROR="${PARQUETIX_WERROR:-$werror}" "${launcher[@]}"
cmake --build "$build" -j2
