#!/usr/bin/env bash
# Builds the program and starts it from the checkout.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUVO_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
# The program reads its pictures, media, help and calibration files from its start directory.
cd build/release/runtime
export QT_MEDIA_BACKEND="${QT_MEDIA_BACKEND:-gstreamer}"
exec ../zuvo "$@"
