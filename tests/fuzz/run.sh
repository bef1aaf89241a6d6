#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++ into build-fuzz and runs each
# one for a bounded time (FUZZ_SECONDS, default 30) from its seed corpus.
# Ends with an error on the first target that finds a crash; the crash
# input is left in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-30}"
dir="${ALMUCAN_FUZZ_DIR:-build-fuzz}"
# clang and its sanitizer/libFuzzer runtime, installed when missing.
source scripts/setup.sh
almucan_install clang libclang-rt-14-dev || true
if ! command -v clang++ >/dev/null 2>&1; then
  echo "tests/fuzz/run.sh: clang++ not found, fuzzing skipped" >&2
  exit 0
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S . -B "$dir" -DALMUCAN_BUILD_FUZZERS=ON -DALMUCAN_WITH_QT=OFF \
    -DALMUCAN_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$dir" -j"$(nproc)" >&2
for name in numbertext settings month timedec; do
  work="$dir/corpus/$name"         # grows during the run; seeds stay untouched
  findings="$dir/findings/$name"
  mkdir -p "$work" "$findings"
  echo "fuzz_$name: ${seconds} s" >&2
  if ! "$dir/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/" "$work" "tests/fuzz/corpus/$name" 2>"$dir/fuzz_$name.log"; then
    tail -n 40 "$dir/fuzz_$name.log" >&2
    echo "fuzz_$name found a crash: $(ls "$findings")" >&2
    exit 1
  fi
  grep -E "stat::number_of_executed_units" "$dir/fuzz_$name.log" >&2 || true
done
