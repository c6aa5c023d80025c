#!/usr/bin/env bash
# Runs every fuzz target for SECONDS over the generated seed corpora:
#   fuzz/run.sh BUILD_DIR SECONDS [WORK_DIR]
# Corpora grow in WORK_DIR (default BUILD_DIR/fuzz-work); a crash leaves its input there and
# fails the run. Memory limits are low enough to catch any allocation the picture caps refuse.
set -euo pipefail
build=$1 seconds=$2 work=${3:-$1/fuzz-work}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
"$build/bin/make_seeds" "$work/seeds"
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32:detect_leaks=1}
run() {
  local target=$1 seeds=$2; shift 2
  mkdir -p "$work/corpus/$target" "$work/crashes/$target"
  echo "== $target: ${seconds}s"
  "$build/bin/$target" -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=300 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$work/crashes/$target/" "$@" \
    "$work/corpus/$target" $seeds 2>&1 | grep -E '^(==|Done|stat::(number_of_executed_units|peak_rss_mb))|ERROR|SUMMARY' || true
  if compgen -G "$work/crashes/$target/*" >/dev/null; then
    echo "$target found a fault: $(ls "$work/crashes/$target")"
    return 1
  fi
}
status=0
run picture_fuzzer "$work/seeds/picture" -dict="$here/picture.dict" || status=1
run bitmap_trace_fuzzer "$work/seeds/bitmap" || status=1
run bmp_writer_fuzzer "" || status=1
exit $status
