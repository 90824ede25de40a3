#!/usr/bin/env bash
# Builds the program and every test, then runs the tests.
# ZUVO_SANITIZE=1 builds them with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
sanitize="${ZUVO_SANITIZE:-0}"
if [ "$sanitize" = "1" ]; then
    dir=build/sanitize
    flags=(-DZUVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
else
    dir=build/test
    flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$dir" -G Ninja "${flags[@]}" -DZUVO_BUILD_TESTS=ON -DZUVO_WERROR=ON >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$dir" --output-on-failure -j2
