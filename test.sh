#!/usr/bin/env bash
# Builds Tintora Conversions with its tests and runs the whole suite headless:
# once in build/ and once more under AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/. Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTORA_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTORA_TESTS=ON -DTINTORA_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
# Chromium does not run under the sanitizers: the browser tests carry the label "browser".
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/../tools/lsan.supp" \
    ctest --output-on-failure -j "$jobs" -LE browser)
