#!/usr/bin/env bash
# Builds the Release tree and runs every benchmark (not part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
for b in build/bench/*; do
  if [ -x "$b" ] && [ -f "$b" ]; then
    echo "== $(basename "$b")"
    "$b"
  fi
done
