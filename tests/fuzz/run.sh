#!/usr/bin/env bash
# Builds the libFuzzer target over the library's exports (clang, ASan + UBSan) and
# fuzzes it for a bounded time, starting from the committed seeds. Exits non-zero on
# any finding; the input that caused it is left in build/stress-fuzz/artifacts/.
#
#   tests/fuzz/run.sh [SECONDS]     default 90
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${1:-90}"
build="$root/build/stress-fuzz"

cmake -S "$root/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

# libFuzzer adds what it finds to the first corpus folder: keep the seeds read-only.
mkdir -p "$build/corpus" "$build/artifacts"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
"$build/dyeplate_fuzz" "$build/corpus" "$root/tests/fuzz/corpus" \
  -max_total_time="$seconds" -max_len=512 -timeout=20 -rss_limit_mb=4096 \
  -artifact_prefix="$build/artifacts/" -print_final_stats=1
