#!/usr/bin/env bash
# Fuzzes the system file reader, the calibration value parser and the forecast file parser over
# the corpus.
# Usage: fuzz/run.sh [seconds]   (default 30; the build goes to build/fuzz or $ZUVO_FUZZ_BUILD)
set -euo pipefail
seconds="${1:-30}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZUVO_FUZZ_BUILD:-$root/build/fuzz}"

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DZUVO_FUZZ=ON \
    -DZUVO_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_system_file

# New inputs go to a scratch copy, so the corpus in the repository stays small and reviewed.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root"/fuzz/corpus/* "$work"/
"$build"/fuzz/fuzz_system_file -max_total_time="$seconds" -max_len=4096 \
    -dict="$root"/fuzz/forecast.dict "$work"
