#!/usr/bin/env bash
# Live messages a second that parquetix-server answers "ok" with 50 keep-alive
# connections (wrk), once acknowledging before the disk has the message
# (--sync normal) and once only after it (--sync full, the default), in one
# run on this machine. Prints figures; asserts nothing.
#   scripts/bench-server.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-10}
server=$build/bin/parquetix-server
command -v wrk >/dev/null || { echo "wrk is missing (scripts/setup.sh installs it)" >&2; exit 2; }
[ -x "$server" ] || { echo "no $server: build parquetix-server first" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Every request a new event of its own, so none is taken for a repeat.
cat >"$work/messages.lua" <<'LUA'
local threads = 0
function setup(thread)
  thread:set("tid", threads)
  threads = threads + 1
end
function init(args)
  n = 0
end
function request()
  n = n + 1
  local id = tid * 100000000 + n
  return wrk.format("GET", "/income/index.phtml?kod=1100&id=" .. id ..
    "&szkod=BENCH" .. tid .. "&ido=1&time=20240105193000")
end
LUA

start_server() { # NAME ARGS...: prints the port
  local name=$1
  shift
  "$server" --data "$work/$name" --port 0 --quiet "$@" >"$work/$name.out" 2>"$work/$name.err" &
  pids+=($!)
  for _ in $(seq 100); do
    grep -q '^listening on [0-9]' "$work/$name.out" 2>/dev/null && break
    sleep 0.1
  done
  sed -n 's/^listening on \([0-9]*\)$/\1/p' "$work/$name.out"
}

printf '%-34s %12s %14s\n' "acknowledgement" "requests/s" "mean latency"
for mode in normal full; do
  port=$(start_server "$mode" --sync "$mode")
  out=$(wrk -t2 -c50 -d"${seconds}s" --latency -s "$work/messages.lua" "http://127.0.0.1:$port")
  rate=$(awk '/^Requests\/sec/ {print $2}' <<<"$out")
  latency=$(awk '/^    Latency/ {print $2}' <<<"$out")
  errors=$(grep -E 'Non-2xx|Socket errors' <<<"$out" || true)
  label="after the OS has it (--sync normal)"
  [ "$mode" = full ] && label="on disk (--sync full, default)"
  printf '%-34s %12s %14s\n' "$label" "$rate" "$latency"
  [ -z "$errors" ] || echo "  $errors"
done
echo "50 connections, 2 wrk threads, ${seconds} s each, $(nproc) cores"
