#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each from its committed
# seeds, side by side: the library's exports with their draws for a bounded time, and
# the lookups alone, the hex text rules, the colour reader, the copy templates and
# the history and settings readers for a fixed number of runs each. Prints every
# target's run count; exits non-zero on any finding, leaving the input that caused it
# in build/stress-fuzz/artifacts/.
#
#   tests/fuzz/run.sh [SECONDS [RUNS]]     defaults: 90 s of draws, 1000000 runs
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-90}"
runs="${2:-1000000}"
build="$root/build/stress-fuzz"

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

mkdir -p "$build/artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

# fuzz TARGET SEEDS [libFuzzer options]: runs one target, whose outcome goes to a file
# of its own, as the targets run side by side. libFuzzer adds what it finds to the
# first corpus folder, so the committed seeds stay read-only behind it.
fuzz() {
  local target=$1 seeds=$2; shift 2
  local log="$build/$target.log" start=$SECONDS
  mkdir -p "$build/corpus-$target"
  if ! "$build/$target" "$build/corpus-$target" "$root/tests/fuzz/$seeds" "$@" \
    -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1 >"$log" 2>&1; then
    { echo "--- $target"; tail -60 "$log"; echo "$target: FINDING (log: $log)"; } >"$build/$target.outcome"
    return 1
  fi
  local done_runs
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target: ${done_runs:-?} runs in $((SECONDS - start)) s, no findings" >"$build/$target.outcome"
}

targets=(dyeplate_fuzz lookup_fuzz hex_text_fuzz colour_reader_fuzz template_fuzz history_fuzz
  settings_fuzz)
for target in "${targets[@]}"; do rm -f "$build/$target.outcome"; done
fuzz dyeplate_fuzz corpus -max_total_time="$seconds" -max_len=512 -timeout=20 -rss_limit_mb=4096 &
fuzz lookup_fuzz corpus-lookups -runs="$runs" -max_len=256 -timeout=20 &
# Past seven characters a text is refused by its length alone: short inputs are the
# ones worth the runs.
fuzz hex_text_fuzz corpus-hex-text -runs="$runs" -max_len=16 -timeout=20 &
# The reader refuses more than 256 characters (up to 1024 bytes of UTF-8), and a
# template line is 200 characters at most.
fuzz colour_reader_fuzz corpus-colour-reader -runs="$runs" -max_len=300 -timeout=20 &
fuzz template_fuzz corpus-templates -runs="$runs" -max_len=400 -timeout=20 &
# A history of sixteen lines takes 128 bytes; past a few kilobytes an input only
# repeats what shorter ones hold.
fuzz history_fuzz corpus-history -runs="$runs" -max_len=2048 -timeout=20 &
# A settings file worth its name is a few hundred bytes; longer inputs only repeat
# lines.
fuzz settings_fuzz corpus-settings -runs="$runs" -max_len=1024 -timeout=20 &
status=0
for job in $(jobs -p); do wait "$job" || status=1; done
for target in "${targets[@]}"; do
  cat "$build/$target.outcome" 2>/dev/null || { echo "$target: no outcome"; status=1; }
done
exit "$status"
