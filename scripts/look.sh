#!/usr/bin/env bash
# Starts a desktop program on a virtual display of its own (Xvfb), plays
# operator steps on it with xdotool and saves screenshots with ImageMagick's
# import, so a window can be looked at on a machine without a screen.
#
#   scripts/look.sh [--size 1280x800] [--out DIR] [--wm] [--steps FILE] -- PROGRAM [ARGS...]
#
# --wm runs openbox first, so focus, dialogs and Alt shortcuts behave as on a
# desktop. Steps, one a line (# starts a comment; coordinates in pixels):
#   wait SECONDS        shot NAME (DIR/NAME.png)     key KEY...  (xdotool names: alt+f, Return, F4)
#   keydown KEY         keyup KEY                    type TEXT   click X Y [BUTTON]
# Without --steps: wait 3 seconds, then one shot named "window".
# The program's output goes to DIR/program.log. Example, the ENG edition:
#   cp -r build/bin /tmp/home && sed -i 's/^VERSION=.*/VERSION=ENG/' /tmp/home/parquetix.ini
#   PARQUETIX_HOME=/tmp/home scripts/look.sh --wm --out /tmp/shots -- build/bin/parquetix
set -euo pipefail
size=1280x800
out=shots
steps=
wm=0
while [ $# -gt 0 ]; do
  case "$1" in
    --size) size=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --steps) steps=$2; shift 2 ;;
    --wm) wm=1; shift ;;
    --) shift; break ;;
    *) echo "look.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: scripts/look.sh [--size WxH] [--out DIR] [--wm] [--steps FILE] -- PROGRAM [ARGS...]" >&2
  exit 2
fi

# The tools are for developers only, so scripts/setup.sh leaves them out.
missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
[ "$wm" = 0 ] || command -v openbox >/dev/null || missing+=(openbox)
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$out"
display=$((200 + RANDOM % 500))
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
if [ "$wm" = 1 ]; then
  openbox >/dev/null 2>&1 &
  pids=("$!" "${pids[@]}")
  sleep 0.5
fi
"$@" >"$out/program.log" 2>&1 &
program=$!
pids=("$program" "${pids[@]}")

step() {
  local verb=$1
  shift
  case "$verb" in
    wait) sleep "$1" ;;
    shot) import -window root "$out/$1.png" && echo "$out/$1.png" ;;
    key) xdotool key --delay 80 "$@" ;;
    keydown) xdotool keydown "$1" ;;
    keyup) xdotool keyup "$1" ;;
    type) xdotool type --delay 40 "$*" ;;
    click) xdotool mousemove "$1" "$2" click "${3:-1}" ;;
    *) echo "look.sh: unknown step: $verb" >&2; return 1 ;;
  esac
  if ! kill -0 "$program" 2>/dev/null; then
    echo "look.sh: the program has exited; its output is in $out/program.log" >&2
    return 1
  fi
}

if [ -z "$steps" ]; then
  step wait 3
  step shot window
  exit 0
fi
while IFS= read -r line || [ -n "$line" ]; do
  line=${line%%#*}
  read -r -a words <<<"$line"
  [ ${#words[@]} -gt 0 ] || continue
  step "${words[@]}" || exit 1
done <"$steps"
