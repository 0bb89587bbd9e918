#!/usr/bin/env bash
# Builds Tintora Conversions in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tintora tintora_webview
exec build/tintora
