#!/usr/bin/env bash
# Builds a fuzz target in the address build (scripts/sanitize.sh's folder,
# clang) and runs it from its seeds (tests/fuzz/corpus/TARGET) for SECONDS,
# with its dictionary when it has one, then prints its coverage at the start
# and at the end. Fails when the target finds something; the input that did
# it is kept in build-address/fuzz-findings/.
#   scripts/fuzz.sh [--no-seeds] [--no-build] TARGET SECONDS [-- LIBFUZZER-OPTIONS...]
#     --no-seeds   from an empty corpus, to see what the seeds are worth
#     --no-build   the target is built already (scripts/sanitize.sh address)
# What the run finds beyond its seeds stays in a scratch folder, or in
# $PARQUETIX_FUZZ_CORPUS when set (so a long run can be resumed); libFuzzer's
# own output goes to $PARQUETIX_FUZZ_LOG when set.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seeds=yes
build_it=yes
while [ $# -gt 0 ]; do
  case "$1" in
    --no-seeds) seeds=no ;;
    --no-build) build_it=no ;;
    *) break ;;
  esac
  shift
done
if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh [--no-seeds] [--no-build] TARGET SECONDS [-- LIBFUZZER-OPTIONS...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
[ "${1:-}" = -- ] && shift
build=${PARQUETIX_SANITIZE_DIR:-$root/build-address}
fuzz=$root/tests/fuzz

if [ "$build_it" = yes ]; then
  bash "$root/scripts/sanitize.sh" address --configure
  cmake --build "$build" -j2 --target "$target"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
corpus=${PARQUETIX_FUZZ_CORPUS:-$scratch/corpus}
mkdir -p "$corpus" "$build/fuzz-findings"
dirs=("$corpus")
[ "$seeds" = yes ] && [ -d "$fuzz/corpus/$target" ] && dirs+=("$fuzz/corpus/$target")
options=(-max_total_time="$seconds" -timeout=30 -print_final_stats=1
  -artifact_prefix="$build/fuzz-findings/$target-")
[ -f "$fuzz/$target.dict" ] && options+=(-dict="$fuzz/$target.dict")

supp=$root/scripts/sanitizers
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
export QT_QPA_PLATFORM=offscreen
log=${PARQUETIX_FUZZ_LOG:-$scratch/log}
status=0
"$build/bin/$target" "${options[@]}" "$@" "${dirs[@]}" >"$log" 2>&1 || status=$?

# libFuzzer's status lines: "#N INITED cov: E ft: F corp: ..." once the
# seeds are read, then "#N NEW|REDUCE|pulse|DONE cov: ...".
start=$(grep -m1 -E '^#[0-9]+[[:space:]]+INITED' "$log" || true)
end=$(grep -E '^#[0-9]+[[:space:]]+[A-Z]+ +cov:' "$log" | tail -n 1 || true)
field() { sed -n "s/.* $1: \\([0-9]*\\).*/\\1/p" <<<"$2"; }
runs() { sed -n 's/^#\([0-9]*\).*/\1/p' <<<"$1"; }
printf 'fuzz.sh: %s, %s s, %s: start %s edges %s features, end %s edges %s features after %s runs\n' \
  "$target" "$seconds" "$([ "${#dirs[@]}" -gt 1 ] && echo "from $(find "${dirs[1]}" -type f | wc -l) seeds" || echo "from an empty corpus")" \
  "$(field cov "$start")" "$(field ft "$start")" "$(field cov "$end")" "$(field ft "$end")" "$(runs "$end")"
if [ "$status" -ne 0 ]; then
  # The finding and its stack, then where its input is.
  grep -v -E '^#[0-9]+[[:space:]]' "$log" | tail -n 60 >&2
  echo "fuzz.sh: $target failed (status $status); inputs in $build/fuzz-findings/" >&2
fi
exit "$status"
