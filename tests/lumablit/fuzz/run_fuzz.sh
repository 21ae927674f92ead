#!/usr/bin/env bash
# Builds the reader fuzzer with clang's libFuzzer and runs it for a bounded time.
# usage: run_fuzz.sh <repo root> <work dir> <seconds>
# Exit 77 (skipped) when clang or its fuzzer runtime is not installed.
set -u
root=$1 work=$2 seconds=${3:-15}
cxx=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$cxx" ]; then echo "clang++ not found: skipping"; exit 77; fi
mkdir -p "$work/corpus"
probe="$work/probe.cpp"
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe"
if ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe" -o "$work/probe" 2>/dev/null; then
  echo "clang cannot link a libFuzzer target here: skipping"; exit 77
fi
"$cxx" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root/lumablit/include" -I"$root/lumablit/src" \
  "$root/tests/lumablit/fuzz/fuzz_readers.cpp" "$root/lumablit/src/bmp.cpp" \
  -o "$work/fuzz_readers" || exit 1
cd "$work" || exit 1
LUMABLIT_SEED_DIR="$work/corpus" ./fuzz_readers -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 corpus
