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
command -v clang++ >/dev/null || { echo "tests/fuzz/run.sh: clang++ not found, fuzzing skipped" >&2; exit 0; }
[ -f "$dir/CMakeCache.txt" ] ||
  CXX=clang++ cmake -S . -B "$dir" -DALMUCAN_BUILD_FUZZERS=ON -DALMUCAN_WITH_QT=OFF -DALMUCAN_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" >&2
for name in numbertext settings; do
  # The working corpus grows during the run; the seeds stay untouched.
  mkdir -p "$dir/corpus/$name" "$dir/findings/$name"
  echo "fuzz_$name: ${seconds} s" >&2
  "$dir/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/findings/$name/" \
    "$dir/corpus/$name" "tests/fuzz/corpus/$name" 2>"$dir/fuzz_$name.log" ||
    { tail -n 40 "$dir/fuzz_$name.log" >&2; echo "fuzz_$name found a crash: $(ls "$dir/findings/$name")" >&2; exit 1; }
  grep -E "stat::number_of_executed_units" "$dir/fuzz_$name.log" >&2 || true
done
