#!/usr/bin/env bash
# Makes the two Debian packages of a build and checks them as Debian would:
# lintian (no error, no warning that the packages do not override with a
# reason), the AppStream metadata, the desktop entry, the service unit, and
# that the server package needs no desktop library. Then unpacks both into a
# scratch root (no root rights, no running systemd) and starts the server
# there as its unit would.
# usage: scripts/check-package.sh [BUILD_DIR]   (default: build/)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/parquetix-package.XXXXXX")
server_pid=
cleanup() {
  [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "check-package: $*" >&2
  exit 1
}

for tool in lintian:lintian appstreamcli:appstream desktop-file-validate:desktop-file-utils \
  systemd-analyze:systemd dpkg-deb:dpkg objdump:binutils; do
  command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} is missing: install the Debian package ${tool#*:} (scripts/setup.sh does)"
done

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
desktop=$(echo "$work"/out/parquetix_*.deb)
server=$(echo "$work"/out/parquetix-server_*.deb)
[ -f "$desktop" ] && [ -f "$server" ] || fail "cpack made no parquetix and parquetix-server packages"
echo "packages: $(basename "$desktop") $(du -k "$desktop" | cut -f1) KiB, $(basename "$server") $(du -k "$server" | cut -f1) KiB"

echo "== lintian"
lintian_rc=0
lintian --fail-on error,warning --tag-display-limit 0 "$desktop" "$server" >"$work/lintian.log" 2>&1 || lintian_rc=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$lintian_rc" -eq 0 ] || fail "lintian found errors or warnings"

echo "== the server package's dependencies"
depends=$(dpkg-deb -f "$server" Depends)
echo "Depends: $depends"
desktop_libraries='libqt6(gui|widgets|printsupport|opengl|xcb|svg|quick|qml|dbus)|qt6-qpa|libx11|libxcb|libgl1|libegl|libwayland|libfontconfig|libfreetype|libxlsxwriter|libevdev'
if grep -Eq "$desktop_libraries" <<<"$depends"; then
  fail "parquetix-server depends on a desktop library: $depends"
fi

rootfs=$work/root
dpkg-deb -x "$desktop" "$rootfs"
dpkg-deb -x "$server" "$rootfs"
needed=$(objdump -p "$rootfs/usr/bin/parquetix-server" | awk '/NEEDED/ {print $2}')
if grep -Eiq 'Qt6(Gui|Widgets|PrintSupport|OpenGL|Network|Sql)|libX|libGL|libxlsxwriter|libevdev' <<<"$needed"; then
  fail "parquetix-server links a library of the desktop program: $(tr '\n' ' ' <<<"$needed")"
fi
# The command line opens no window: no widget, serial port or input device library.
needed=$(objdump -p "$rootfs/usr/bin/parquetix-cli" | awk '/NEEDED/ {print $2}')
if grep -Eiq 'Qt6(Widgets|PrintSupport|SerialPort)|libevdev' <<<"$needed"; then
  fail "parquetix-cli links a library of the windows: $(tr '\n' ' ' <<<"$needed")"
fi

for file in usr/bin/parquetix usr/bin/parquetix-cli usr/bin/parquetix-server \
  usr/share/man/man1/parquetix.1.gz usr/share/man/man1/parquetix-cli.1.gz usr/share/man/man1/parquetix-server.1.gz \
  usr/share/doc/parquetix/copyright usr/share/doc/parquetix/changelog.gz \
  usr/share/doc/parquetix-server/copyright usr/share/doc/parquetix-server/changelog.gz \
  usr/share/applications/parquetix.desktop usr/share/icons/hicolor/scalable/apps/parquetix.svg \
  lib/systemd/system/parquetix-server.service etc/default/parquetix-server; do
  [ -e "$rootfs/$file" ] || fail "not in the packages: /$file"
done
dpkg-deb --ctrl-tarfile "$server" | tar -xO ./conffiles | grep -qx /etc/default/parquetix-server ||
  fail "/etc/default/parquetix-server is no conffile"

echo "== desktop entry and AppStream metadata"
desktop-file-validate "$rootfs/usr/share/applications/parquetix.desktop" || fail "desktop-file-validate failed"
metainfo=$(echo "$rootfs"/usr/share/metainfo/*.metainfo.xml)
[ -f "$metainfo" ] || fail "no AppStream metadata in share/metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"
grep -q '<launchable type="desktop-id">parquetix.desktop</launchable>' "$metainfo" ||
  fail "the AppStream metadata does not name the installed desktop entry"

echo "== the service unit"
# The unit as the scratch root has it, with its program and settings mapped
# there, checked by systemd without systemd running.
mkdir -p "$work/units"
unit=$work/units/parquetix-server.service
sed -e "s|/usr/bin/|$rootfs/usr/bin/|g" -e "s|EnvironmentFile=-/etc/|EnvironmentFile=-$rootfs/etc/|" \
  "$rootfs/lib/systemd/system/parquetix-server.service" >"$unit"
verify=$(MANPATH="$rootfs/usr/share/man" systemd-analyze verify "$unit" 2>&1) || fail "systemd-analyze verify failed: $verify"
[ -z "$verify" ] || fail "systemd-analyze verify: $verify"
systemd-analyze security --offline=true "$unit" 2>&1 | grep -i 'overall exposure' || true

echo "== the server started as its unit starts it"
# The settings file's values, with a scratch data folder and a free port.
exec_start=$(sed -n 's/^ExecStart=//p' "$unit")
environment=$(sed -n 's/^Environment=//p' "$unit" | tr ' ' '\n')
(
  set -a
  eval "$environment"
  # shellcheck disable=SC1091
  . "$rootfs/etc/default/parquetix-server"
  PARQUETIX_SERVER_DATA=$work/data
  PARQUETIX_SERVER_PORT=0
  set +a
  # ${VAR} is one argument, $VAR is split into words, as systemd has them.
  eval "exec $(sed -e 's/\${\([A-Z_]*\)}/"${\1}"/g' <<<"$exec_start")"
) >"$work/server.out" 2>"$work/server.err" &
server_pid=$!
for _ in $(seq 50); do
  grep -q '^listening on [0-9]' "$work/server.out" && break
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
grep -q '^listening on [0-9]' "$work/server.out" ||
  fail "the unit's command did not start the server: $(cat "$work/server.out" "$work/server.err")"
[ -f "$work/data/parquetix-server.sqlite" ] || fail "the server made no database in its data folder"
kill -TERM "$server_pid"
wait "$server_pid" || fail "the server did not stop cleanly on SIGTERM"
server_pid=
echo "$(cat "$work/server.out"), stopped by SIGTERM"

echo "== the unpacked command line"
"$rootfs/usr/bin/parquetix-cli" --help >/dev/null || fail "the packaged parquetix-cli does not run"
echo "check-package: both packages pass"
