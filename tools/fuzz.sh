#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++ in their own folder and runs each for a bounded
# number of inputs from a fixed seed (FUZZ_RUNS, default 20000; FUZZ_SEED, default 1), starting
# from the seed corpus and the example files. A crash input is kept in tests/fuzz/crashes/NAME/
# (the replay test runs it from then on) and the script fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KV9_FUZZ_BUILD_DIR:-$root/build-fuzz}"
runs="${FUZZ_RUNS:-20000}"
seed="${FUZZ_SEED:-1}"
cxx="${CXX:-clang++}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKV9_BUILD_FUZZ=ON -DKV9_BUILD_GUI=OFF -DKV9_BUILD_TESTS=OFF -DKV9_BUILD_BENCH=OFF >/dev/null
targets=$(sed -n 's/^set(KV9_FUZZ_TARGETS \(.*\))/\1/p' "$root/tests/fuzz/fuzz_targets.cmake")
for name in $targets; do cmake --build "$build" -j2 --target "fuzz_$name"; done
status=0
for name in $targets; do
  work="$(mktemp -d)"
  mkdir -p "$work/corpus" "$work/artifacts" "$root/tests/fuzz/crashes/$name"
  cp -r "$root/tests/fuzz/corpus/$name/." "$root/tests/fuzz/crashes/$name/." "$work/corpus/"
  [ "$name" = data_file ] && cp "$root"/examples/*.kv9 "$work/corpus/"
  echo "fuzz_$name: $runs runs, seed $seed"
  if ! "$build/bin/fuzz_$name" -runs="$runs" -seed="$seed" -max_len=8192 \
      -artifact_prefix="$work/artifacts/" "$work/corpus" 2>"$work/log"; then
    tail -40 "$work/log"
    for crash in "$work"/artifacts/*; do
      [ -f "$crash" ] && cp "$crash" "$root/tests/fuzz/crashes/$name/" && echo "kept $(basename "$crash")"
    done
    status=1
  else
    grep -E "^Done|#[0-9]+.*DONE" "$work/log" | tail -1
  fi
  rm -rf "$work"
done
exit $status
