#!/usr/bin/env bash
# Builds the test programs one sanitizer watches, in a build folder of its
# own, and runs their tests:
#   scripts/sanitize.sh address   AddressSanitizer + UndefinedBehaviorSanitizer:
#                                 the model, saved games, transmission and server,
#                                 then every fuzz target on its seeds for a while
#   scripts/sanitize.sh thread    ThreadSanitizer: the sender (transmission), the screen and
#                                 the saves' background flush (shell)
#   scripts/sanitize.sh KIND --configure   only configures the folder (scripts/fuzz.sh)
# The folder is build-address/ or build-thread/ ($PARQUETIX_SANITIZE_DIR). The
# address build is clang's and also holds the fuzz targets, so the libraries
# are compiled once for both. Any finding fails the test or the run that made
# it. Packages come from scripts/setup.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
kind=${1:-}
case "$kind" in
  address)
    sanitize=address,undefined
    # A saved-games program of its own is taken as well once the tree has one.
    programs=(test_model test_shell test_savegame test_transmission test_server)
    compiler=(-DCMAKE_CXX_COMPILER=clang++ -DPARQUETIX_FUZZ=ON)
    ;;
  thread)
    sanitize=thread
    programs=(test_transmission test_screen test_shell)
    compiler=()
    ;;
  *)
    echo "usage: scripts/sanitize.sh address|thread" >&2
    exit 2
    ;;
esac
build=${PARQUETIX_SANITIZE_DIR:-$root/build-$kind}
supp=$root/scripts/sanitizers

launcher=()
if command -v ccache >/dev/null; then
  # pch_defines,time_macros: without them ccache compiles every source that
  # uses a precompiled header without caching it.
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS=pch_defines,time_macros
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
werror=OFF
[ "${CI:-}" = true ] && werror=ON
# -O1: the sanitizers' own advice, and a third quicker to compile than -O2.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" -DPARQUETIX_SANITIZE="$sanitize" \
  -DPARQUETIX_BENCH=OFF -DPARQUETIX_WERROR="${PARQUETIX_WERROR:-$werror}" "${compiler[@]}" "${launcher[@]}" >/dev/null
[ "${2:-}" = --configure ] && exit 0

# Only the programs this tree has, and only their tests (labelled by program).
mapfile -t known < <(cmake --build "$build" --target help | sed -n 's/^\(test_[a-z_]*\): .*/\1/p')
targets=()
labels=()
for p in "${programs[@]}"; do
  if printf '%s\n' "${known[@]}" | grep -qx "$p"; then
    targets+=("$p")
    labels+=("${p#test_}")
  fi
done
# The fuzz targets of the address build run after its tests.
fuzzers=()
if [ "$kind" = address ]; then
  for src in "$root"/tests/fuzz/fuzz_*.cpp; do
    fuzzers+=("$(basename "$src" .cpp)")
  done
fi
# The build runs the picture generator, whose painting Qt spreads over a
# thread pool that synchronises in code TSan cannot see: it is not under test.
TSAN_OPTIONS=report_bugs=0 cmake --build "$build" -j2 --target "${targets[@]}" "${fuzzers[@]}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
# Qt is not built with TSan: what its own code allocates, frees and orders
# through its futexes would be reported as races of ours.
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1:suppressions=$supp/tsan.supp"
regex="^($(IFS='|'; echo "${labels[*]}"))\$"
echo "sanitize.sh: $sanitize on ${targets[*]}"
cd "$build"
ctest -L "$regex" --output-on-failure -j2 --timeout 900
# A short run of each target from its seeds: what the seeds reach must still
# pass (no crash, leak or broken promise), and a little beyond it.
for f in "${fuzzers[@]}"; do
  bash "$root/scripts/fuzz.sh" --no-build "$f" "${PARQUETIX_FUZZ_SECONDS:-20}"
done
