#!/usr/bin/env bash
# run_fuzz.sh SRC_DIR TARGET.cpp WORK_DIR SECONDS
# Builds the WAVE reader's fuzzer with clang and runs it for a bounded time. Exit 77 = skipped.
set -euo pipefail
src=$1 target=$2 work=$3 seconds=$4
clang=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$clang" ]; then echo "clang++ not found: skipping"; exit 77; fi
mkdir -p "$work/corpus" "$work/seeds"
bin="$work/wave_fuzz"
if ! "$clang" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
      -I"$src" "$src/wave.cpp" "$target" -o "$bin" 2>"$work/build.log"; then
  if grep -qi "fuzzer" "$work/build.log"; then
    echo "libFuzzer runtime not available: skipping"; cat "$work/build.log"; exit 77
  fi
  cat "$work/build.log"; exit 1
fi
"$bin" -write-seeds="$work/seeds"
exec "$bin" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
     -print_final_stats=1 "$work/corpus" "$work/seeds"
