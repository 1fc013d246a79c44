#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ (or
# $KV9_BUILD_DIR) and runs every test there; fails on the first sanitizer report.
# The desktop and the benchmarks are left out to keep the build short.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export KV9_BUILD_DIR="${KV9_BUILD_DIR:-$root/build-asan}"
"$root/tools/install-deps.sh"
"$root/tools/build.sh" -DKV9_SANITIZE=ON -DKV9_BUILD_GUI=OFF -DKV9_BUILD_BENCH=OFF -DKV9_FUZZ_IN_CTEST=OFF
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$KV9_BUILD_DIR" --output-on-failure -j "$(nproc)"
