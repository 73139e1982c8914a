#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers into build-test/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset test
cmake --build --preset test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
ctest --preset test
